#pragma once
// What assistive technology sees of a skinned form: the window (frame or dialog, named by its
// caption) with the title strip's close button as a push button it can press.
namespace tornivex {

// Registers the forms' accessible interface with Qt once.
void InstallFormAccessibility();

}  // namespace tornivex
