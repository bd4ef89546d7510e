#include "SkinSource.h"
#include "ToolCommands.h"

#include <QDir>
#include <QFile>

namespace tornivex::skintool {

int RunUnpackCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 2) {
        err << "usage: tornivex-skin unpack SKIN DIR\n";
        return ExitUsage;
    }
    const OpenedSkin skin = OpenSkin(args[0]);
    // Entry names come from the package: never let one write outside the target directory.
    for (const TSkinPackageEntry& entry : skin.Entries)
        if (!IsSafeEntryFileName(entry.Name))
            throw ToolError(QStringLiteral("entry name \"%1\" is not a plain file name; nothing written")
                                .arg(entry.Name));
    const QDir dir(args[1]);
    if (!QDir().mkpath(dir.path())) throw ToolError(QStringLiteral("cannot create \"%1\"").arg(args[1]));
    for (const TSkinPackageEntry& entry : skin.Entries) {
        QFile file(dir.filePath(entry.Name));
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.Data) != entry.Data.size())
            throw ToolError(QStringLiteral("cannot write \"%1\"").arg(file.fileName()));
    }
    out << "wrote " << skin.Entries.size() << " files of " << skin.Name << " to " << dir.path() << "\n";
    return ExitDone;
}

} // namespace tornivex::skintool
