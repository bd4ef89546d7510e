#pragma once
// The engine's built-in images: the blur image behind generated outer-effect masks and the two
// form shadow images used for extended borders when a skin brings none. Drawn by code, once.
#include "Bitmap32.h"
#include "SkinCommonData.h"

namespace tornivex {

// A square blur image (mask colours: black opaque, white transparent).
TBitmap32Ptr BuiltInBlurImage();
// Form shadows of the active and the inactive form; 9-pixel margins on every side.
TBitmap32Ptr BuiltInShadowActive();
TBitmap32Ptr BuiltInShadowInactive();
inline constexpr int BuiltInShadowMargin = 9;

// A w x 2w image: the upper square painted with the effect's four colours (top, bottom, left
// and right triangles), the lower square a copy of the blur image.
TBitmap32Ptr MakeOuterEffectMask(const TBitmap32& blur, const TacOutEffData& effect);

} // namespace tornivex
