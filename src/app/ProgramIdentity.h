#pragma once
// How the desktop knows the program: the id its desktop entry, AppStream metadata, Wayland app id
// and X11 window class share, and the icon of its windows (packaging/icons, built in).
#include <QIcon>
#include <QString>

namespace tornivex {

inline const QString kProgramId = QStringLiteral("example.tornivex.Tornivex");

// The program's icon in the sizes a window shows it at.
QIcon ProgramIcon();

}  // namespace tornivex
