#include "Fonts.h"

#include <cstdio>

#include <QFile>
#include <QFontDatabase>

namespace tornivex::platform {
namespace {

const QString kInterfaceFamily = QStringLiteral("Tahoma");

QString& RegisteredFamily() {
    static QString family;
    return family;
}

}  // namespace

QString RegisterInterfaceFont() {
    QString& family = RegisteredFamily();
    if (!family.isEmpty()) return family;
    for (const QString& path : InterfaceFontFiles()) {
        if (!QFile::exists(path)) continue;
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0 && family.isEmpty()) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) family = families.first();
        }
    }
    if (family.isEmpty() && QFontDatabase::hasFamily(kInterfaceFamily)) family = kInterfaceFamily;
    if (family.isEmpty()) {
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        std::fprintf(stderr, "Tornivex: the Tahoma font was not found; using %s instead.\n",
                     qUtf8Printable(family));
    }
    return family;
}

QFont InterfaceFont(int pixelHeight, bool bold) {
    QFont font(RegisterInterfaceFont());
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    // FreeType's light hinting (vertical only, advances unrounded), fontconfig's default on Linux,
    // on every system: labels keep the widths the layout was drawn for.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

}  // namespace tornivex::platform
