#pragma once
// Writing the tool's output files, with the reason when the file system refuses.
#include <QByteArray>
#include <QString>

#include "ToolError.h"

namespace tornivex::skintool {

// Writes `bytes` as the whole file `path`; throws ToolError "cannot write "PATH": REASON".
void WriteWholeFile(const QString& path, const QByteArray& bytes);

// Why a file or directory cannot be made at `path`: the nearest existing part of the path is a
// file, or its directory is not writable; a generic reason otherwise.
QString FileSystemReason(const QString& path);

} // namespace tornivex::skintool
