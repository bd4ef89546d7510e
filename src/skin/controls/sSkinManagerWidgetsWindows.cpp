#include "sSkinManagerWidgetsWindows.h"

#include <algorithm>

#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {

TSkinWindowRegistry::TSkinWindowRegistry(TsSkinManager& manager) : QObject(&manager) {}

void TSkinWindowRegistry::RegisterWindow(QObject* window) {
    if (!window || IsRegistered(window)) return;
    windows_.emplace_back(window);
}

void TSkinWindowRegistry::UnregisterWindow(QObject* window) {
    std::erase_if(windows_, [&](const QPointer<QObject>& w) { return !w || w == window; });
}

bool TSkinWindowRegistry::IsRegistered(const QObject* window) const {
    return window && std::any_of(windows_.begin(), windows_.end(),
                                 [&](const QPointer<QObject>& w) { return w == window; });
}

void TSkinWindowRegistry::Broadcast(int command, std::intptr_t lparam) const {
    const std::vector<QPointer<QObject>> snapshot = windows_;
    for (const QPointer<QObject>& window : snapshot)
        if (window && IsRegistered(window)) SendSkinCommand(window, command, lparam);
}

} // namespace tornivex
