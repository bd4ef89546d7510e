// Tornivex: micro-steps per degree for a rotary axis driven by a stepper motor.
#include "ProgramStart.h"
#include "TApplication.h"
#include "WindowPlacement.h"

int main(int argc, char** argv) {
    using namespace tornivex;
    platform::TApplication app(argc, argv);
    TProgramStart program(app);
    Form1 = &program.MainWindow;
    Form2 = &program.About;

    CenterOnDesktop(&program.MainWindow);
    program.MainWindow.show();
    program.MainWindow.activateWindow();
    const int status = app.exec();
    Form2 = nullptr;
    Form1 = nullptr;
    return status;
}
