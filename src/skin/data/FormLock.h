#pragma once
// Scopes around applying a skin: the forms' lock and the engine's "applying" mark are taken down
// on every way out, so a receiver that throws never leaves forms frozen.

namespace tornivex {

class ISkinManagerHost;
class TsSkinManager;

class TFormLock {
public:
    // Locks the manager's forms through the host when `lock`. With `ownsUnlock` the scope also
    // unlocks forms its caller locked before.
    TFormLock(TsSkinManager& manager, bool lock, bool ownsUnlock = false);
    ~TFormLock();  // unlocks, without the fade, when still due
    TFormLock(const TFormLock&) = delete;
    TFormLock& operator=(const TFormLock&) = delete;

    // Unlocks now (once) through the host.
    void Unlock(bool runSkinChangeFade);
    // Another scope unlocks from here on.
    void HandOver() { due_ = false; }

private:
    TsSkinManager& manager_;
    ISkinManagerHost* host_;
    bool due_;
};

class TSkinApplyingScope {
public:
    TSkinApplyingScope();
    ~TSkinApplyingScope();
    TSkinApplyingScope(const TSkinApplyingScope&) = delete;
    TSkinApplyingScope& operator=(const TSkinApplyingScope&) = delete;
};

} // namespace tornivex
