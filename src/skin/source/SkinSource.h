#pragma once
// What a skin argument names, for the skin tool and the program alike: an internal skin (by
// name, optionally with ".asz"), a package file, or an unpacked skin directory holding
// "Options.dat". Opening it gives the entries in package order, the options text first.
#include "SkinPackage.h"

#include <QString>

#include <stdexcept>
#include <vector>

namespace tornivex {

class SkinSourceError : public std::runtime_error {
public:
    explicit SkinSourceError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

enum class SkinKind { Internal, PackageFile, Directory };

struct OpenedSkin {
    QString Name;      // the skin's name (file or directory name for external skins)
    SkinKind Kind = SkinKind::Internal;
    QString Location;  // package file or directory path; empty for internal skins
    QByteArray Package; // the package bytes (not for directories)
    std::vector<TSkinPackageEntry> Entries; // options text first, then the images in order
};

QString KindName(SkinKind kind);

// Resolves and reads `spec`: a file or directory wins over an internal skin of the same name.
// Throws SkinSourceError with a message naming the problem, and ESkinError (from the package
// reader) for a broken package. Every tool command and the program's --skin open a skin here.
OpenedSkin OpenSkin(const QString& spec);

// The options entry of an opened skin (Entries.front()); throws SkinSourceError when missing.
const TSkinPackageEntry& OptionsEntry(const OpenedSkin& skin);

// True when `name` is safe as a file name inside a directory: not empty, no path separators,
// not "." or "..", no drive colon, no control characters.
bool IsSafeEntryFileName(const QString& name);

} // namespace tornivex
