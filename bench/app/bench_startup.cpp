// Start to first frame on screen, for the skinned program and for a bare Qt window with the same
// number of plain controls. One run per process (a start-up can only be measured once): the
// process prints the milliseconds from entering main to the end of its window's first paint.
// bench/startup-compare runs both side by side and reports medians and their ratio.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

#include "BareWindow.h"
#include "Fonts.h"
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

}  // namespace

int main(int argc, char** argv) {
    clockSinceMain.start();
    using namespace tornivex;
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    platform::TApplication app(argc, argv);
    FirstFrame firstFrame;
    if (bare) {
        auto window = bench::BareWindow();
        window->installEventFilter(&firstFrame);
        window->show();
        window->activateWindow();
        return app.exec();
    }
    // The program's own start-up, the same steps main.cpp runs.
    platform::PrepareFonts();
    TProgramStart program(app);
    TForm1& mainWindow = program.MainWindow;
    CenterOnDesktop(&mainWindow);
    mainWindow.installEventFilter(&firstFrame);
    mainWindow.show();
    mainWindow.activateWindow();
    return app.exec();
}
