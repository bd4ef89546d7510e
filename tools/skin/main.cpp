// tornivex-skin: inspect, unpack, repack, check and render skins.
#include "ToolCommands.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Painting previews needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const int code = tornivex::skintool::RunSkinTool(QCoreApplication::arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
