#include "SkinEngine.h"

#include "OutEffectImages.h"
#include "SkinDialogs.h"
#include "SkinManagerHost.h"

namespace tornivex {
namespace {

TsSkinManager* defaultManager = nullptr;
bool skinLoading = false;
bool skinApplying = false;
bool loggingOff = false;
ISkinManagerHost* managerHost = nullptr;

} // namespace

TsSkinManager* DefaultManager() { return defaultManager; }
void SetDefaultManager(TsSkinManager* manager) { defaultManager = manager; }
bool IsSkinLoading() { return skinLoading; }
void SetSkinLoading(bool loading) { skinLoading = loading; }
bool IsSkinApplying() { return skinApplying; }
void SetSkinApplying(bool applying) { skinApplying = applying; }
bool IsLoggingOff() { return loggingOff; }
void SetLoggingOff(bool value) { loggingOff = value; }

ISkinManagerHost* SkinManagerHost() { return managerHost; }
void SetSkinManagerHost(ISkinManagerHost* host) { managerHost = host; }

void SkinEngineStartup(const QStringList& arguments) {
    // The built-in shadow images are drawn once, here, so the first skin change does not pay.
    BuiltInShadowActive();
    BuiltInShadowInactive();
    for (const QString& argument : arguments)
        if (argument.compare(QLatin1String("/acver"), Qt::CaseInsensitive) == 0) {
            SkinDialogs().ShowMessage(QStringLiteral("Quillmark v%1").arg(QLatin1String(SkinEngineVersion)));
            break;
        }
}

} // namespace tornivex
