#pragma once
// Hue, saturation and brightness adjustments of a loaded skin (images and colours). A value of
// 0 leaves everything untouched.
#include "Bitmap32.h"
#include "common/color/Color.h"

namespace tornivex {

struct TLoadedSkin;

// amount -255..255: negative towards grey, positive away from it.
TColor SaturateColor(TColor color, int amount);
// percent -100..100: towards black or white.
TColor BrightenColor(TColor color, int percent);
// degrees added to the hue.
TColor RotateHue(TColor color, int degrees);

void SaturateBitmap(TBitmap32& bmp, int amount);   // magenta pixels stay
void BrightenBitmap(TBitmap32& bmp, int percent);  // magenta pixels stay
void RotateHueBitmap(TBitmap32& bmp, int degrees); // magenta pixels stay

void AdjustSkinColors(TLoadedSkin& skin, int hueOffset, int saturation, int brightness);

} // namespace tornivex
