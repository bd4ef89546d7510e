#pragma once
// The program's one colour model, used by the skin engine and the plain controls alike:
// 0x00BBGGRR (red in the low byte). Values 0xFF0000nn name system colour nn and are resolved
// before painting; -1 means no colour.
#include <cstdint>
#include <functional>

namespace tornivex {

using TColor = std::int32_t;

inline constexpr TColor clNone = -1;
// Key colour: transparent in skin images; as an argument, "no colour given".
inline constexpr TColor clFuchsia = 0xFF00FF;
// "No colour" for a few optional colour arguments.
inline constexpr TColor clNoColor2 = 0x1FFFFFFF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clBlue = 0xFF0000;

// System colour numbers used by the skin data.
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}
inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr bool IsSystemColor(TColor c) {
    return (static_cast<std::uint32_t>(c) & 0xFFFFFF00u) == 0xFF000000u;
}

constexpr int ColorR(TColor c) { return c & 0xFF; }
constexpr int ColorG(TColor c) { return (c >> 8) & 0xFF; }
constexpr int ColorB(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor MakeColor(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

// Resolves system colour values to plain 0x00BBGGRR; other values pass unchanged. The default
// resolver answers fixed classic desktop colours; the application object of the platform layer
// installs one that reads the application palette.
TColor ColorToRGB(TColor color);
using SystemColorResolver = std::function<TColor(int index)>;
void SetSystemColorResolver(SystemColorResolver resolver); // empty = back to the built-in table

} // namespace tornivex
