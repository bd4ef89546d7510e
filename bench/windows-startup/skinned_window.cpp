// The skinned program's start-up under Wine, the steps main.cpp runs up to its message loop:
// fonts, application object, skin engine, both windows with "Aluminium (internal)" applied.
#include <QElapsedTimer>

#include "FirstPaintReport.h"
#include "Fonts.h"
#include "ProgramStart.h"
#include "TApplication.h"
#include "WindowPlacement.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    using namespace tornivex;
    platform::PrepareFonts();
    platform::TApplication app(argc, argv);
    TProgramStart program(app);
    CenterOnDesktop(&program.MainWindow);
    bench::ReportAfterFirstPaint(program.MainWindow, sinceMain);
    program.MainWindow.show();
    program.MainWindow.activateWindow();
    return app.exec();
}
