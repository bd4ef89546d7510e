#pragma once
#include <cstdint>

#include <QColor>

namespace tornivex::platform {

// Colours are 0x00BBGGRR; 0xFF0000nn names system colour nn.
using TColorRef = uint32_t;

constexpr TColorRef clNone = 0x1FFFFFFF;
constexpr TColorRef clBtnFace = 0xFF00000F;
constexpr TColorRef clWindow = 0xFF000005;
constexpr TColorRef clWindowText = 0xFF000008;
constexpr TColorRef clHighlight = 0xFF00000D;
constexpr TColorRef clBlack = 0x000000;
constexpr TColorRef clNavy = 0x800000;
constexpr TColorRef clBlue = 0xFF0000;
constexpr TColorRef clWhite = 0xFFFFFF;

constexpr bool IsSystemColor(TColorRef color) { return (color & 0xFF000000u) == 0xFF000000u; }

// A system colour resolved from the application palette; a plain colour is returned unchanged.
TColorRef ColorToRGB(TColorRef color);

QColor ToQColor(TColorRef color);
TColorRef FromQColor(const QColor& color);

}  // namespace tornivex::platform
