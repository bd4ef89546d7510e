#pragma once
// What the skin manager needs from the widgets world: sending a skin command to every form and
// its controls, locking forms during a skin change, and where the mouse is. The widgets side
// installs an implementation; without one, broadcasts reach nobody (as in a program with no
// forms).
#include <QObject>

#include <cstdint>

namespace tornivex {

class TsSkinManager;

class ISkinManagerHost {
public:
    virtual ~ISkinManagerHost() = default;
    // Sends `command` to all forms of the application and their controls (see the manager).
    virtual void BroadcastToForms(TsSkinManager& manager, int command, std::intptr_t lparam) = 0;
    // Keeps the visible skinned forms of `manager` from redrawing until UnlockForms.
    virtual void LockForms(TsSkinManager& manager) = 0;
    // Lets the locked forms redraw: frame and children, after the skin-change fade when asked.
    virtual void UnlockForms(TsSkinManager& manager, bool runSkinChangeFade) = 0;
    // Redraws every visible skinned dialog window.
    virtual void RedrawDialogs(TsSkinManager& manager) = 0;
    // Asks a windowless hot control for its skin state (command 37): true when it still has
    // the mouse above it and so stays the hot control.
    virtual bool ControlKeepsHotState(QObject* control) = 0;
    // True when the mouse cursor lies outside `window`'s rectangle.
    virtual bool IsCursorOutside(QObject* window) = 0;
};

// The installed host (null when none). Not owned.
ISkinManagerHost* SkinManagerHost();
void SetSkinManagerHost(ISkinManagerHost* host);

} // namespace tornivex
