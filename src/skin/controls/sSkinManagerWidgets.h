#pragma once
// The widgets side of the skin manager: skin-command broadcasts to the application's forms, their
// controls and the manager's registered windows (sSkinManagerWidgetsWindows), form locking during
// a skin change, hot tracking (sSkinManagerWidgetsHot), the boxes the skin data layer shows, and
// system colours from the application palette.
#include "skin/data/SkinDialogs.h"
#include "skin/data/SkinManagerHost.h"

namespace tornivex {

class TSkinManagerWidgets final : public ISkinManagerHost, public ISkinDialogs {
public:
    // ISkinManagerHost
    void Broadcast(TsSkinManager& manager, int command, std::intptr_t lparam) override;
    void LockForms(TsSkinManager& manager) override;
    void UnlockForms(TsSkinManager& manager, bool runSkinChangeFade) override;
    void RedrawDialogs(TsSkinManager& manager) override;
    void SetActiveControl(TsSkinManager& manager, QObject* window) override;
    void SetActiveGraphControl(TsSkinManager& manager, QObject* control) override;
    QObject* ActiveControl(const TsSkinManager& manager) const override;
    QObject* ActiveGraphControl(const TsSkinManager& manager) const override;
    void RegisterWindow(TsSkinManager& manager, QObject* window) override;
    void UnregisterWindow(TsSkinManager& manager, QObject* window) override;

    // ISkinDialogs: platform message boxes.
    void ShowError(const QString& text, const QString& caption) override;
    void ShowMessage(const QString& text) override;
    void ShowWarning(const QString& text) override;
};

// Installs the widgets side process-wide (host, dialogs, system colour resolver). Call once
// after the application object exists and before the main window is created.
void InstallSkinManagerWidgets();

} // namespace tornivex
