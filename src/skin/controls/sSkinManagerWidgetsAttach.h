#pragma once
// The widgets side keeps its per-manager state (hot tracking, registered windows) in small
// objects owned by the manager as Qt children: they live exactly as long as the manager, and the
// widget-free manager needs no member for them.
#include <QString>

#include "skin/data/sSkinManager.h"

namespace tornivex {

// The manager's `T`, or null when none was made yet.
template <typename T> T* FindAttached(const TsSkinManager& manager) {
    return manager.findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
}

// The manager's `T`, made (and owned by the manager) on first use.
template <typename T> T& Attached(TsSkinManager& manager) {
    if (T* state = FindAttached<T>(manager)) return *state;
    return *new T(manager); // parent = manager
}

} // namespace tornivex
