#pragma once
// Process-wide state of the skin engine, touched only from the GUI thread.
#include <QStringList>

namespace tornivex {

class TsSkinManager;

inline constexpr char SkinEngineVersion[] = "10.15";

// The first manager created; controls that name no manager use it. Null when none.
TsSkinManager* DefaultManager();
void SetDefaultManager(TsSkinManager* manager);

// Set while a skin is loaded and applied; controls do not paint half-loaded data.
bool IsSkinLoading();
void SetSkinLoading(bool loading);
// Set while a loaded skin is being applied (command 1 on its way).
bool IsSkinApplying();
void SetSkinApplying(bool applying);

// Set once the desktop asked whether the session may end; no more state fades start.
bool IsLoggingOff();
void SetLoggingOff(bool loggingOff);

// The engine's start-up, before the main window is created: shows "Quillmark v10.15" once
// when any argument equals "/acver" in any letter case.
void SkinEngineStartup(const QStringList& arguments);

} // namespace tornivex
