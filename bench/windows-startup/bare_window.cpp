// The bare Qt window under Wine: Qt's own application object and the plain window of the Linux
// comparison, nothing of Tornivex's.
#include <QApplication>
#include <QElapsedTimer>

#include "BareWindow.h"
#include "FirstPaintReport.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    const auto window = tornivex::bench::BareWindow();
    tornivex::bench::ReportAfterFirstPaint(*window, sinceMain);
    window->show();
    window->activateWindow();
    return app.exec();
}
