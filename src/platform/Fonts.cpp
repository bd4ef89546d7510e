#include "Fonts.h"

#include <cstdio>

#include <QFile>
#include <QFontDatabase>

namespace tornivex::platform {
namespace {

const char* const kFontFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                  "/usr/share/wine/fonts/tahomabd.ttf"};

QString& RegisteredFamily() {
    static QString family;
    return family;
}

}  // namespace

QString RegisterInterfaceFont() {
    QString& family = RegisteredFamily();
    if (!family.isEmpty()) return family;
    for (const char* path : kFontFiles) {
        if (!QFile::exists(QString::fromLatin1(path))) continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        if (id >= 0 && family.isEmpty()) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) family = families.first();
        }
    }
    if (family.isEmpty()) {
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        std::fprintf(stderr, "Tornivex: the Tahoma font was not found; using %s instead.\n",
                     qPrintable(family));
    }
    return family;
}

QFont InterfaceFont(int pixelHeight, bool bold) {
    QFont font(RegisterInterfaceFont());
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

}  // namespace tornivex::platform
