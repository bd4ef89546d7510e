#include "ToolFiles.h"

#include "SkinSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tornivex::skintool {

QString FileSystemReason(const QString& path) {
    QString at = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(at) && at != QLatin1String("/")) at = QFileInfo(at).absolutePath();
    const QFileInfo existing(at);
    if (at == QDir::cleanPath(QFileInfo(path).absoluteFilePath()) && existing.isDir())
        return QStringLiteral("it is a directory");
    if (!existing.isDir()) return QStringLiteral("\"%1\" is a file, not a directory").arg(existing.filePath());
    if (!existing.isWritable()) return QStringLiteral("no permission to write in \"%1\"").arg(existing.filePath());
    return QStringLiteral("the file system refused");
}

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists() && !FileSystemReason(path).endsWith(QLatin1String("not a directory")))
        throw ToolError(QStringLiteral("cannot write \"%1\": the folder \"%2\" does not exist")
                            .arg(path, QDir::cleanPath(folder.filePath())));
    if (!file.open(QIODevice::WriteOnly)) {
        // Qt's own text for a failed open is often just "Unknown error"; name the cause we can see.
        const QString seen = FileSystemReason(path);
        throw ToolError(QStringLiteral("cannot write \"%1\": %2")
                            .arg(path, seen != QLatin1String("the file system refused") ? seen : file.errorString()));
    }
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw ToolError(QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString()));
}

} // namespace tornivex::skintool
