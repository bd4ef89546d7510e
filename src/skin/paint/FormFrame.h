#pragma once
// The skinned frame of a form without widgets: where the title strip, caption and title buttons
// go, which hit code a point answers, which corner pixels the window outline cuts away, and the
// whole window picture (frame, title, caption, close button) in one 32-bit bitmap.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"

#include <QFont>
#include <QString>

#include <vector>

namespace tornivex {
class TsCommonData;
struct TLoadedSkin;
}  // namespace tornivex

namespace tornivex::paint {

// Hit codes a form answers for points of its window.
enum TFrameHitCode : unsigned {
    htNowhere = 0,
    htClient = 1,
    htCaption = 2,
    htSysMenu = 3,
    htMinButton = 8,
    htMaxButton = 9,
    htBorder = 18,
    htClose = 20,
    htHelp = 21,
};

// One title button: state 0 normal, 1 hot, 2 pressed; Rect in window coordinates.
struct TsCaptionButton {
    int State = 0;
    int GlowID = -1;
    int ImageIndex = -1;
    TRect Rect;
    unsigned HitCode = 0;
    bool HaveAlignment = false;  // may be top-aligned by the skin (large buttons only)
};

// What the layout needs to know of the form.
struct TFormFrameInput {
    int Width = 0;              // CaptionWidth
    int Height = 0;
    int BorderWidth = 3;        // bw: the dialog frame
    int CaptionHeight = 23;     // ch
    bool HasSystemMenu = true;  // biSystemMenu: a close button exists
    bool CloseEnabled = true;   // the system menu's close item is enabled
    bool Maximized = false;
    bool BigButtons = false;    // bsSingle / bsSizeable forms take the large images
};

// The title strip's layout (CalcItems).
struct TFormTitleLayout {
    int VCenter = 0;
    int FHeaderHeight = 0;
    TRect FIconRect;
    TsCaptionButton ButtonClose;
};

// Size of a title button cell when the skin has no image for it.
inline constexpr int MissingTitleButtonSize = 21;

TFormTitleLayout CalcItems(const TLoadedSkin* skin, const TFormFrameInput& form);

// The rectangle the caption text may use; `hasCaptionSection` widens the left margin by 2.
TRect CaptionTextRect(const TLoadedSkin* skin, const TFormFrameInput& form, const TFormTitleLayout& layout,
                      bool hasCaptionSection);

// The code a point (window coordinates) answers; htClient inside the client area, htBorder on the
// frame below the title strip, htNowhere outside the window.
unsigned FrameHitTest(const TFormFrameInput& form, const TFormTitleLayout& layout, TPoint point);

// The rectangles (one pixel high) cut out of a W x H window: runs of key-colour pixels in the
// corners of the state-0 frame of the form section's and the title section's border masks.
std::vector<TRect> WindowRegionCutouts(const TLoadedSkin& skin, int formIndex, int titleIndex, int width,
                                       int height);

// Everything PaintAll needs besides the layout input.
struct TFormPicture {
    int TitleIndex = -1;     // FTitleSkinIndex
    int CaptionIndex = -1;   // FCaptionSkinIndex ("CAPTION" plate)
    int FormActive = 1;
    QString Caption;
    QFont CaptionFont;
    int CaptionAlignment = 0;  // 0 left, 1 right, 2 centre
    bool WithCaptionText = true;  // false: the plate only, the glyphs go on at device resolution
};

// The whole window picture into `cache` (resized to W x H) for the form section of `formData`;
// `layout` receives CalcItems' answer with the close button's state kept, `tempBmp` the strip
// behind the button row. Answers false (and draws nothing) without a skin or a form section.
bool PaintAll(const TsCommonData& formData, const TFormFrameInput& form, const TFormPicture& picture,
              TFormTitleLayout& layout, TBitmap32& cache, TBitmap32& tempBmp);

// The caption's glyphs alone into `target`, a picture of the window at `ratio` device pixels per
// logical pixel (PaintAll's layout; rectangles stay logical).
void DrawCaptionText(const TsCommonData& formData, const TFormFrameInput& form, const TFormPicture& picture,
                     const TFormTitleLayout& layout, TBitmap32& target, double ratio);

// Where the saved strip behind the title buttons starts (x) in the window picture.
int TempBmpLeft(const TLoadedSkin& skin, const TFormFrameInput& form, const TFormTitleLayout& layout);

// Draws one title button into `cache`: the area is restored from `tempBmp` first, then frame
// `state` (faint when normal on an inactive form). With `overlayState` >= 0 the frame of that state
// is laid over at `opacity` (0..255), as the hover fade shows it.
void DrawTitleButton(const TLoadedSkin& skin, const TsCaptionButton& button, bool formActive,
                     const TBitmap32& tempBmp, int tempLeft, TBitmap32& cache, int overlayState = -1,
                     int opacity = 0);

}  // namespace tornivex::paint
