#pragma once
// What assistive technology sees of a static label: a label whose name is its caption.
namespace tornivex::platform {

// Registers the label's accessible interface with Qt once; later calls do nothing.
void InstallLabelAccessibility();

}  // namespace tornivex::platform
