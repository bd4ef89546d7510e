#pragma once
// The maker's address and copyright line, shown by the link labels and the About dialog.
#include <QString>

namespace tornivex {

inline const QString kMakerAddress = QStringLiteral("www.tornivex.example");
inline const QString kMakerURL = QStringLiteral("https://www.tornivex.example/");
inline const QString kCopyrightLine =
    QStringLiteral("Copyright \u00A9 2026 Tornivex. All rights reserved.");

}  // namespace tornivex
