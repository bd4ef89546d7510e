#include "SkinDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace tornivex {
namespace {

QString ProgramDirectory() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString ParentOf(const QString& dir) {
    QString d = dir;
    while (d.size() > 1 && d.endsWith(u'/')) d.chop(1);
    const qsizetype slash = d.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : d.left(slash);
}

} // namespace

QString DefaultSkinDirectory() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/skins");
}

QString StripAszSuffix(const QString& name) {
    if (name.size() > 4 && name.endsWith(QLatin1String(".asz"), Qt::CaseInsensitive)) return name.left(name.size() - 4);
    return name;
}

QString WithTrailingSeparator(const QString& dir) {
    if (dir.endsWith(u'/')) return dir;
    if (dir.endsWith(u'\\')) return dir.left(dir.size() - 1) + u'/';
    return dir + u'/';
}

QString FullSkinDirectory(const QString& skinDirectory, const QString& programDir) {
    const QString program = programDir.isEmpty() ? ProgramDirectory() : programDir;
    QString value = skinDirectory;
    value.replace(u'\\', u'/');
    QString result;
    if (value.startsWith(QLatin1String(".."))) {
        result = ParentOf(program) + value.mid(2);
    } else if (value == QLatin1String(".") || value.startsWith(QLatin1String("./"))) {
        result = WithTrailingSeparator(program) + value.mid(value.size() > 1 ? 2 : 1);
    } else if (!value.contains(u':') && !value.startsWith(u'/')) {
        result = WithTrailingSeparator(program) + value;
    } else {
        result = value;
    }
    return WithTrailingSeparator(QDir::cleanPath(result.isEmpty() ? QStringLiteral("/") : result));
}

} // namespace tornivex
