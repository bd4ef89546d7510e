#include "RememberedSkin.h"

namespace tornivex {
namespace {

const QString kSkinKey = QStringLiteral("Skin/Choice");

}  // namespace

std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tornivex"),
                                       QStringLiteral("Tornivex"));
}

std::optional<QString> RememberedSkin(const QSettings& settings) {
    if (!settings.contains(kSkinKey)) return std::nullopt;
    return settings.value(kSkinKey).toString();
}

void RememberSkin(QSettings& settings, const QString& spec) {
    settings.setValue(kSkinKey, spec);
    settings.sync();
}

}  // namespace tornivex
