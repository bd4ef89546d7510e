#pragma once
// What the skin manager needs from the widgets world: sending a skin command to every form, its
// controls and the windows registered with the manager, locking forms during a skin change, and
// hot tracking of the control under the mouse (its timer and the cursor test). The manager keeps
// no timers and no window lists of its own; the widgets side installs an implementation and keeps
// that state per manager. Without a host, broadcasts reach nobody and nothing is hot (as in a
// program with no forms).
#include <QObject>

#include <cstdint>

namespace tornivex {

class TsSkinManager;

class ISkinManagerHost {
public:
    virtual ~ISkinManagerHost() = default;
    // Sends `command` to all forms of the application and their controls, then to the windows
    // registered with `manager`.
    virtual void Broadcast(TsSkinManager& manager, int command, std::intptr_t lparam) = 0;
    // Keeps the visible skinned forms of `manager` from redrawing until UnlockForms.
    virtual void LockForms(TsSkinManager& manager) = 0;
    // Lets the locked forms redraw: frame and children, after the skin-change fade when asked.
    virtual void UnlockForms(TsSkinManager& manager, bool runSkinChangeFade) = 0;
    // Redraws every visible skinned dialog window.
    virtual void RedrawDialogs(TsSkinManager& manager) = 0;

    // Hot tracking: the window and the windowless control under the mouse (see
    // TsSkinManager::SetActiveControl for the rules).
    virtual void SetActiveControl(TsSkinManager& manager, QObject* window) = 0;
    virtual void SetActiveGraphControl(TsSkinManager& manager, QObject* control) = 0;
    virtual QObject* ActiveControl(const TsSkinManager& manager) const = 0;
    virtual QObject* ActiveGraphControl(const TsSkinManager& manager) const = 0;

    // Windows besides the forms that receive every broadcast of `manager`.
    virtual void RegisterWindow(TsSkinManager& manager, QObject* window) = 0;
    virtual void UnregisterWindow(TsSkinManager& manager, QObject* window) = 0;
};

// The installed host (null when none). Not owned.
ISkinManagerHost* SkinManagerHost();
void SetSkinManagerHost(ISkinManagerHost* host);

} // namespace tornivex
