#pragma once
// Where external skins live and how a skin name is normalised.
#include <QString>

namespace tornivex {

// The default skin directory of the manager: "skins" in the user's data folder of this program
// (QStandardPaths::AppDataLocation), so it never depends on the working directory. Empty when
// the platform names no such folder.
QString DefaultSkinDirectory();

// Removes a trailing ".asz" (any letter case) from names longer than four characters.
QString StripAszSuffix(const QString& name);

// `skinDirectory` made absolute against `programDir` (".." = its parent, "." or "./" = itself,
// a plain relative name = inside it; anything else as it is), with "\" accepted as a separator
// and a trailing "/" ensured. An empty `programDir` means the running program's directory.
QString FullSkinDirectory(const QString& skinDirectory, const QString& programDir = QString());

// `dir` with a trailing separator ("\" or "/" accepted, "/" added).
QString WithTrailingSeparator(const QString& dir);

} // namespace tornivex
