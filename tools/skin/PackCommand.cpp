#include "SkinSource.h"
#include "ToolCommands.h"
#include "ToolFiles.h"

#include "SkinPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tornivex::skintool {
namespace {

QByteArray ReadEntryFile(const QDir& dir, const QString& name) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) throw ToolError(QStringLiteral("cannot read \"%1\"").arg(file.fileName()));
    return file.readAll();
}

} // namespace

int RunPackCommand(const QStringList& args, QTextStream& out, QTextStream&) {
    ExpectArguments(args, 2, -1, "a DIR and an OUT.asz, then IMAGE names");
    const OpenedSkin skin = OpenSkin(args[0]);
    if (skin.Kind != SkinKind::Directory)
        throw ToolError(QStringLiteral("\"%1\" is not a skin directory").arg(args[0]));
    std::vector<TSkinPackageEntry> entries{OptionsEntry(skin)};
    const QStringList chosen = args.mid(2);
    if (chosen.isEmpty()) {
        entries.insert(entries.end(), skin.Entries.begin() + 1, skin.Entries.end());
    } else {
        const QDir dir(skin.Location);
        for (const QString& name : chosen) {
            if (!IsSafeEntryFileName(name) || IsOptionsEntryName(name))
                throw ToolError(QStringLiteral("\"%1\" is not an image file of the directory").arg(name));
            entries.push_back({name, ReadEntryFile(dir, name)});
        }
    }
    const QByteArray package = WriteSkinPackage(entries);
    WriteWholeFile(args[1], package);
    out << "packed " << entries.size() << " entries into " << args[1] << " (" << package.size()
        << " bytes)\n";
    return ExitDone;
}

} // namespace tornivex::skintool
