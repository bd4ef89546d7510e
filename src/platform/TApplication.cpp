#include "TApplication.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <QMessageBox>

#include "ErrorDisplay.h"
#include "SystemColors.h"
#include "SystemMenuKey.h"

namespace tornivex::platform {

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv), presenter_(&ShowPlatformErrorBox) {
    InstallPaletteSystemColors();
    DeliverSystemMenuKey();
}

TApplication::~TApplication() { SetSystemColorResolver({}); }

TApplication* TApplication::Instance() {
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

void TApplication::SetTitle(const QString& title) {
    title_ = title;
    setApplicationName(title);
    setApplicationDisplayName(title);
}

void TApplication::SetErrorPresenter(ErrorPresenter presenter) {
    presenter_ = presenter ? std::move(presenter) : ErrorPresenter(&ShowPlatformErrorBox);
}

void TApplication::ShowException(const std::exception& error) {
    presenter_(activeWindow(), title_, ErrorDisplayText(error));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ++escapedExceptions_;
        ShowException(error);
    } catch (...) {
        ++escapedExceptions_;
        presenter_(activeWindow(), title_, QStringLiteral("Unknown error."));
    }
    return true;
}

void RunGuarded(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& error) {
        if (TApplication* app = TApplication::Instance()) {
            app->ShowException(error);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(ErrorDisplayText(error)));
        }
    }
}

void BoundPlatformTeardown(int status) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    std::fflush(nullptr);
    // Touches nothing that the teardown destroys; a process that ends first takes it along.
    std::thread([status] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        std::_Exit(status);
    }).detach();
}

void ShowPlatformErrorBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace tornivex::platform
