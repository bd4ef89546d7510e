#pragma once
// Fixed metrics of the desktop the program was designed for. They are constants rather than the
// running desktop's values so that every window and skin renders the same on every machine.

namespace tornivex::platform {

constexpr int CaptionHeight = 23;          // title bar of a normal window
constexpr int DialogFrameWidth = 3;        // fixed dialog frame
constexpr int SizingFrameWidth = 4;        // resizable frame
constexpr int SmallCaptionHeight = 17;     // tool-window caption
constexpr int ScrollBarWidth = 17;         // vertical scroll bar width / horizontal height
constexpr int CaptionFontPixels = 11;      // caption font: Tahoma bold

// A dialog-framed window's title strip: caption plus the top frame.
constexpr int TitleStripHeight = CaptionHeight + DialogFrameWidth;

}  // namespace tornivex::platform
