// Start to first frame on screen, for the skinned program and for a bare Qt window with the same
// number of plain controls. One run per process (a start-up can only be measured once): the
// process prints the milliseconds from entering main to the end of its window's first paint.
// bench/startup-compare runs both side by side and reports medians and their ratio.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

#include "ProgramStart.h"
#include "TApplication.h"
#include "WindowPlacement.h"

namespace {

QElapsedTimer clockSinceMain;

// Ends the program once the watched window's first paint is done and flushed.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // After this paint the backing store is flushed to the screen: stop the clock there.
            QTimer::singleShot(0, qApp, [] {
                std::printf("%.3f\n", double(clockSinceMain.nsecsElapsed()) / 1e6);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        (void)watched;
        return false;
    }

private:
    bool done_ = false;
};

// A window of the main window's size with the same controls, plain: 11 labels, 4 line edits,
// 2 push buttons and one more label for the link.
std::unique_ptr<QWidget> BareWindow() {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("4th Axis Tornivex"));
    window->setFixedSize(535, 177);
    for (int i = 0; i < 12; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i), window.get());
        label->move(8 + (i % 3) * 150, 8 + (i / 3) * 27);
    }
    for (int i = 0; i < 4; ++i) (new QLineEdit(QStringLiteral("1.8"), window.get()))->setGeometry(300, 8 + i * 27, 54, 21);
    (new QPushButton(QStringLiteral("Calculate"), window.get()))->setGeometry(8, 145, 137, 25);
    (new QPushButton(QStringLiteral("About"), window.get()))->setGeometry(151, 145, 56, 25);
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    clockSinceMain.start();
    using namespace tornivex;
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    platform::TApplication app(argc, argv);
    FirstFrame firstFrame;
    if (bare) {
        auto window = BareWindow();
        window->installEventFilter(&firstFrame);
        window->show();
        window->activateWindow();
        return app.exec();
    }
    // The program's own start-up, the same steps main.cpp runs.
    TProgramStart program(app);
    TForm1& mainWindow = program.MainWindow;
    CenterOnDesktop(&mainWindow);
    mainWindow.installEventFilter(&firstFrame);
    mainWindow.show();
    mainWindow.activateWindow();
    return app.exec();
}
