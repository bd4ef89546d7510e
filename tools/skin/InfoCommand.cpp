#include "ImageFacts.h"
#include "SkinSource.h"
#include "ToolCommands.h"

#include "OptionsText.h"

namespace tornivex::skintool {
namespace {

void PrintGlobal(const TSkinOptions& options, QTextStream& out) {
    for (const char* key : {"VERSION", "AUTHOR", "DESCRIPTION", "MASTERBITMAP"}) {
        const auto value = options.Value("GLOBALINFO", key);
        out << (QString::fromLatin1(key) + ":").leftJustified(14) << value.value_or("(none)") << "\n";
    }
}

} // namespace

int RunInfoCommand(const QStringList& args, QTextStream& out, QTextStream&) {
    ExpectArguments(args, 1, 1, "one SKIN");
    const OpenedSkin skin = OpenSkin(args[0]);
    const TSkinOptions options = TSkinOptions::Parse(OptionsEntry(skin).Data);
    out << "Name:         " << skin.Name << "\n"
        << "Kind:         " << KindName(skin.Kind) << "\n";
    if (!skin.Location.isEmpty()) out << "Location:     " << skin.Location << "\n";
    if (skin.Kind != SkinKind::Directory) out << "Package:      " << skin.Package.size() << " bytes\n";
    PrintGlobal(options, out);
    out << "Sections:     " << options.SectionCount() << "\n"
        << "Entries:      " << skin.Entries.size() << "\n";
    for (const TSkinPackageEntry& entry : skin.Entries) {
        const QString what = IsOptionsEntryName(entry.Name)
                                 ? QStringLiteral("options text, %1 lines").arg(entry.Data.count('\n'))
                                 : DescribeImage(entry.Name, entry.Data);
        out << "  " << entry.Name.leftJustified(18) << QString::number(entry.Data.size()).rightJustified(8)
            << " bytes  " << what << "\n";
    }
    return ExitDone;
}

} // namespace tornivex::skintool
