#include "SkinSource.h"
#include "ToolCommands.h"
#include "ToolFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tornivex::skintool {

int RunUnpackCommand(const QStringList& args, QTextStream& out, QTextStream&) {
    ExpectArguments(args, 2, 2, "a SKIN and a DIR");
    const OpenedSkin skin = OpenSkin(args[0]);
    // Entry names come from the package: never let one write outside the target directory.
    for (const TSkinPackageEntry& entry : skin.Entries)
        if (!IsSafeEntryFileName(entry.Name))
            throw ToolError(QStringLiteral("entry name \"%1\" is not a plain file name; nothing written")
                                .arg(entry.Name));
    const QDir dir(args[1]);
    if (const QFileInfo target(args[1]); target.exists() && !target.isDir())
        throw ToolError(QStringLiteral("cannot create the directory \"%1\": a file of that name exists").arg(args[1]));
    if (!QDir().mkpath(dir.path()))
        throw ToolError(QStringLiteral("cannot create the directory \"%1\": %2")
                            .arg(args[1], FileSystemReason(dir.path())));
    for (const TSkinPackageEntry& entry : skin.Entries) WriteWholeFile(dir.filePath(entry.Name), entry.Data);
    out << "wrote " << skin.Entries.size() << " files of " << skin.Name << " to " << dir.path() << "\n";
    return ExitDone;
}

} // namespace tornivex::skintool
