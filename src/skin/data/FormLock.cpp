#include "FormLock.h"

#include "SkinEngine.h"
#include "SkinManagerHost.h"

namespace tornivex {

TFormLock::TFormLock(TsSkinManager& manager, bool lock, bool ownsUnlock)
    : manager_(manager), host_(SkinManagerHost()), due_(host_ && (lock || ownsUnlock)) {
    if (host_ && lock) host_->LockForms(manager_);
}

TFormLock::~TFormLock() {
    if (!due_) return;
    try {
        host_->UnlockForms(manager_, false);
    } catch (...) {
        // Already leaving through an error: the forms are unlocked as far as the host got.
    }
}

void TFormLock::Unlock(bool runSkinChangeFade) {
    if (!due_) return;
    due_ = false;
    host_->UnlockForms(manager_, runSkinChangeFade);
}

TSkinApplyingScope::TSkinApplyingScope() { SetSkinApplying(true); }
TSkinApplyingScope::~TSkinApplyingScope() { SetSkinApplying(false); }

} // namespace tornivex
