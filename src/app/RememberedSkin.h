#pragma once
// The skin chosen in the window menu, kept for the next start in the program's settings
// (QSettings): an internal skin's name, a package file or a skin folder, or empty for no skin.
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace tornivex {

// The user's settings of the program (on Linux ~/.config/Tornivex/Tornivex.conf).
std::unique_ptr<QSettings> ProgramSettings();

// Nothing when no choice was ever made.
std::optional<QString> RememberedSkin(const QSettings& settings);
void RememberSkin(QSettings& settings, const QString& spec);

}  // namespace tornivex
