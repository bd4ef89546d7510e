#include "SkinSource.h"
#include "ToolCommands.h"

#include "ImageNotation.h"
#include "OptionsReader.h"
#include "OptionsText.h"
#include "SkinError.h"

namespace tornivex::skintool {
namespace {

// The keys of a section whose values are image notations.
QStringList ImageKeys(const TSkinOptions::Section& section) {
    QStringList keys;
    for (const QString& key : section.Keys) {
        if (section.Name == QLatin1String("GLOBALINFO") && key == QLatin1String("MASTERBITMAP"))
            continue; // names the master image; not a notation
        try {
            if (ParseImageNotation(section.Value(key).toUpper(), QString()).Kind != TNotationKind::None)
                keys << key;
        } catch (const ESkinError&) {
            keys << key + "(!)"; // `check` explains
        }
    }
    return keys;
}

} // namespace

int RunSectionsCommand(const QStringList& args, QTextStream& out, QTextStream&) {
    ExpectArguments(args, 1, 1, "one SKIN");
    const OpenedSkin skin = OpenSkin(args[0]);
    const TSkinOptions options = TSkinOptions::Parse(OptionsEntry(skin).Data);
    const TSkinOptionsReader reader(options);
    for (int i = 0; i < options.SectionCount(); ++i) {
        const TSkinOptions::Section& section = options.SectionAt(i);
        const QString parent = section.Value("PARENTCLASS");
        out << QString::number(i).rightJustified(3) << "  " << section.Name.leftJustified(18)
            << " states " << reader.ReadInt(i, "STATES", 3)
            << (parent.isEmpty() ? QString() : "  parent " + parent);
        const QStringList images = ImageKeys(section);
        if (!images.isEmpty()) out << "  images " << images.join(' ');
        out << "\n";
    }
    return ExitDone;
}

} // namespace tornivex::skintool
