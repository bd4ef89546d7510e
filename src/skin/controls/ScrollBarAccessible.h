#pragma once
// The skinned scroll bar on the accessibility bus: a scroll bar with the platform bar's value.

namespace tornivex {

// Registers the accessible interface of TacScrollBarWidget (once per process).
void InstallScrollBarAccessibility();

}  // namespace tornivex
