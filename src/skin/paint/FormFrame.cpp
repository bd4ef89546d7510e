#include "FormFrame.h"

#include "BitmapPrimitives.h"
#include "CornerImage.h"
#include "ElementPaint.h"
#include "ElementText.h"
#include "ManagerAccess.h"
#include "RectOps.h"
#include "TextGlow.h"
#include "sCommonData.h"

#include "platform/text/DrawText.h"
#include "skin/data/LoadedSkin.h"

#include <algorithm>

namespace tornivex::paint {
namespace {

const TsMaskData* MaskRow(const TLoadedSkin* skin, int index) {
    return skin && skin->IsValidImgIndex(index) ? &skin->ma[static_cast<std::size_t>(index)] : nullptr;
}

// The close button's image: the small one for dialogs, else the large one (the "alone" variant
// when the skin has it, as the close button is the only one here).
int CloseImageIndex(const TLoadedSkin* skin, bool bigButtons) {
    if (!skin) return -1;
    const TConstantSkinData& c = skin->ConstData;
    if (!bigButtons) return c.MaskCloseSmall;
    return skin->IsValidImgIndex(c.MaskCloseAloneBtn) ? c.MaskCloseAloneBtn : c.MaskCloseBtn;
}

int ButtonsWidth(const TFormTitleLayout& layout) { return layout.ButtonClose.Rect.Width(); }

constexpr std::uint32_t CaptionFlags =
    platform::tfSingleLine | platform::tfVCenter | platform::tfNoPrefix | platform::tfEndEllipsis;

bool IsKeyColour(TPixel32 p) { return PixelR(p) == 255 && PixelG(p) == 0 && PixelB(p) == 255; }

// One row of a frame image scanned from `x0` for `count` pixels; runs of key pixels become
// rectangles at window row `windowY`, column `windowX` onwards.
void ScanRow(const TBitmap32& image, int x0, int y, int count, int windowX, int windowY,
             std::vector<TRect>& out) {
    if (y < 0 || y >= image.Height()) return;
    int runStart = -1;
    for (int i = 0; i <= count; ++i) {
        const int x = x0 + i;
        const bool key = i < count && x >= 0 && x < image.Width() && IsKeyColour(image.Pixel(x, y));
        if (key && runStart < 0) runStart = i;
        if (!key && runStart >= 0) {
            out.push_back(TRect{windowX + runStart, windowY, windowX + i, windowY + 1});
            runStart = -1;
        }
    }
}

void ScanBorderMask(const TLoadedSkin& skin, int sectionIndex, int width, int height, std::vector<TRect>& out) {
    if (!skin.IsValidSkinIndex(sectionIndex)) return;
    const TsMaskData* md = MaskRow(&skin, skin.gd[static_cast<std::size_t>(sectionIndex)].BorderIndex);
    if (!md) return;
    const TBitmap32* image = MaskSourceImage(*md);
    if (!image) return;
    const int cellW = MaskCellWidth(*md), cellH = MaskCellHeight(*md);
    const int left = md->R.Left, top = md->R.Top;  // state-0 frame
    for (int row = 0; row < md->WT && row < height; ++row) {
        ScanRow(*image, left, top + row, md->WL, 0, row, out);
        ScanRow(*image, left + cellW - md->WR, top + row, md->WR, width - md->WR, row, out);
    }
    for (int row = 0; row < md->WB && row < height; ++row) {
        const int imageY = top + cellH - md->WB + row, windowY = height - md->WB + row;
        ScanRow(*image, left, imageY, md->WL, 0, windowY, out);
        ScanRow(*image, left + cellW - md->WR, imageY, md->WR, width - md->WR, windowY, out);
    }
}

// Where the caption's text goes in the strip (text rectangle and alignment).
TRect CaptionPlace(const TLoadedSkin& skin, const TFormFrameInput& form, const TFormPicture& picture,
                   const TFormTitleLayout& layout) {
    TRect rect = CaptionTextRect(&skin, form, layout, skin.IsValidSkinIndex(picture.CaptionIndex));
    if (rect.IsEmpty()) return rect;
    const QRect measured = platform::MeasureFormattedText(
        picture.CaptionFont, picture.Caption, QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
        CaptionFlags | platform::tfCalcRect);
    const int textW = std::min(measured.width(), rect.Width());
    const int textH = measured.height();
    rect.Top = layout.VCenter - textH / 2;
    rect.Bottom = rect.Top + textH;
    if (picture.CaptionAlignment == 1) rect.Left = rect.Right - textW;
    else if (picture.CaptionAlignment == 2) rect.Left = std::max(rect.Left, rect.Left + (rect.Width() - textW) / 2);
    rect.Right = std::min(rect.Right, rect.Left + textW);
    return rect;
}

// The caption's plate (a "CAPTION" section) behind the text.
void DrawCaptionPlate(const TLoadedSkin& skin, const TFormPicture& picture, const TRect& rect, TBitmap32& cache) {
    if (!skin.IsValidSkinIndex(picture.CaptionIndex)) return;
    const TRect plate{rect.Left - 4, rect.Top - 2, rect.Right + 4, rect.Bottom + 2};
    TElementPaint plateOptions;
    plateOptions.Section = picture.CaptionIndex;
    plateOptions.State = picture.FormActive;
    plateOptions.Rect = Intersect(plate, BoundsOf(cache));
    plateOptions.Background = BackgroundSourceFromBitmap(&cache, TPoint{});
    plateOptions.CornerFill = false;
    PaintElementIn(skin, cache, plateOptions);
}

// The caption's glyphs (glow, contours, text) into `target`, which holds pixels at `ratio`.
void DrawCaptionGlyphs(const TsCommonData& formData, const TLoadedSkin& skin, const TFormPicture& picture,
                       const TRect& rect, TBitmap32& target, double ratio) {
    // The caption takes the title section's colours; without one, the form section's.
    const int state = picture.FormActive;
    TsCommonData titleData;
    titleData.FSkinManager = formData.FSkinManager;
    titleData.SkinIndex = skin.IsValidSkinIndex(picture.TitleIndex) ? picture.TitleIndex : formData.SkinIndex;
    const TsGenState& set = skin.gd[static_cast<std::size_t>(titleData.SkinIndex)].Props[state > 0 ? 1 : 0];
    if (set.GlowSize != 0)
        DrawTextGlow(target, picture.Caption, rect, set.GlowColor, set.GlowSize, CaptionFlags, picture.CaptionFont,
                     ratio);
    TTextCanvas canvas{target, picture.CaptionFont, clBlack, ratio};
    WriteElementText(canvas, picture.Caption, true, state > 0, titleData, CaptionFlags, rect);
}

}  // namespace

TFormTitleLayout CalcItems(const TLoadedSkin* skin, const TFormFrameInput& form) {
    const int bw = form.BorderWidth, ch = form.CaptionHeight;
    const TsSkinData* common = skin ? &skin->CommonSkinData : nullptr;
    TFormTitleLayout layout;
    layout.VCenter = ch / 2 + bw / 2 + (form.Maximized ? 2 : 0);
    layout.FHeaderHeight = bw + ch;
    const int biLeft = common ? common->BILeftMargin : 0;
    layout.FIconRect = TRect{bw + biLeft, layout.VCenter, bw + biLeft, layout.VCenter};  // no icon on dialogs

    TsCaptionButton& close = layout.ButtonClose;
    close.HitCode = htClose;
    close.HaveAlignment = form.BigButtons;
    int x = form.Width - (common ? common->BIRightMargin : 0) - std::max(bw, 4);
    if (!form.BigButtons) x -= 2;
    close.Rect = TRect{x, 0, x, 0};
    if (!form.HasSystemMenu) return layout;  // no close button to draw or hit

    close.ImageIndex = CloseImageIndex(skin, form.BigButtons);
    const TsMaskData* image = MaskRow(skin, close.ImageIndex);
    if (!image) close.ImageIndex = -1;
    const int w = image ? MaskCellWidth(*image) : MissingTitleButtonSize;
    const int h = image ? MaskCellHeight(*image) : MissingTitleButtonSize;
    close.Rect.Right = x;
    close.Rect.Left = x - w;
    close.Rect.Top = (close.HaveAlignment && common && common->BIVAlign == 1) ? 0 : layout.VCenter - h / 2;
    close.Rect.Bottom = close.Rect.Top + h;
    return layout;
}

TRect CaptionTextRect(const TLoadedSkin* skin, const TFormFrameInput& form, const TFormTitleLayout& layout,
                      bool hasCaptionSection) {
    const TsSkinData* common = skin ? &skin->CommonSkinData : nullptr;
    const int biLeft = common ? common->BILeftMargin : 0, biRight = common ? common->BIRightMargin : 0;
    TRect rect;
    rect.Left = form.BorderWidth + layout.FIconRect.Width() + biLeft + (hasCaptionSection ? 2 : 0) + 4;
    rect.Right = form.Width - biRight - ButtonsWidth(layout) - 12;
    rect.Top = form.BorderWidth;
    rect.Bottom = layout.FHeaderHeight;
    if (rect.Right < rect.Left) rect.Right = rect.Left;
    return rect;
}

unsigned FrameHitTest(const TFormFrameInput& form, const TFormTitleLayout& layout, TPoint p) {
    if (p.X < 0 || p.Y < 0 || p.X >= form.Width || p.Y >= form.Height) return htNowhere;
    const TRect& close = layout.ButtonClose.Rect;
    if (!close.IsEmpty() && p.X >= close.Left && p.X < close.Right && p.Y >= close.Top && p.Y < close.Bottom)
        return form.CloseEnabled ? htClose : htCaption;
    if (p.Y < form.BorderWidth + form.CaptionHeight) {
        const TRect& icon = layout.FIconRect;
        const bool onIcon = p.X >= icon.Left && p.X < icon.Right && p.Y >= icon.Top && p.Y < icon.Bottom;
        return onIcon ? htSysMenu : htCaption;
    }
    const int bw = form.BorderWidth;
    if (p.X < bw || p.X >= form.Width - bw || p.Y >= form.Height - bw) return htBorder;
    return htClient;
}

std::vector<TRect> WindowRegionCutouts(const TLoadedSkin& skin, int formIndex, int titleIndex, int width,
                                       int height) {
    std::vector<TRect> cutouts;
    ScanBorderMask(skin, formIndex, width, height, cutouts);
    ScanBorderMask(skin, titleIndex, width, height, cutouts);
    return cutouts;
}

void DrawCaptionText(const TsCommonData& formData, const TFormFrameInput& form, const TFormPicture& picture,
                     const TFormTitleLayout& layout, TBitmap32& target, double ratio) {
    const TLoadedSkin* skin = LoadedSkinOf(formData.SkinManager());
    if (!skin || picture.Caption.isEmpty()) return;
    const TRect rect = CaptionPlace(*skin, form, picture, layout);
    if (!rect.IsEmpty()) DrawCaptionGlyphs(formData, *skin, picture, rect, target, ratio);
}

int TempBmpLeft(const TLoadedSkin& skin, const TFormFrameInput& form, const TFormTitleLayout& layout) {
    const int width = form.BorderWidth + skin.CommonSkinData.BIRightMargin + ButtonsWidth(layout) + 10;
    return std::max(0, form.Width - width);
}

bool PaintAll(const TsCommonData& formData, const TFormFrameInput& form, const TFormPicture& picture,
              TFormTitleLayout& layout, TBitmap32& cache, TBitmap32& tempBmp) {
    const TLoadedSkin* skin = LoadedSkinOf(formData.SkinManager());
    if (!skin || !skin->IsValidSkinIndex(formData.SkinIndex) || form.Width <= 0 || form.Height <= 0) return false;
    if (cache.Width() != form.Width || cache.Height() != form.Height) cache.SetSize(form.Width, form.Height);

    const int keptState = layout.ButtonClose.State;
    layout = CalcItems(skin, form);
    layout.ButtonClose.State = keptState;

    const TRect whole{0, 0, form.Width, form.Height};
    // A top-level form has no parent background: the painter's default one.
    TElementPaint formOptions;
    formOptions.State = picture.FormActive;
    formOptions.Rect = whole;
    formOptions.Background = EmptyBackgroundSource();
    formOptions.CornerFill = false;
    PaintElement(formData, cache, formOptions);
    if (skin->IsValidSkinIndex(picture.TitleIndex)) {
        TElementPaint strip;
        strip.Section = picture.TitleIndex;
        strip.State = picture.FormActive;
        strip.Rect = Intersect(TRect{0, 0, form.Width, layout.FHeaderHeight}, whole);
        strip.Background = BackgroundSourceFromBitmap(&cache, TPoint{});
        strip.CornerFill = false;
        PaintElementIn(*skin, cache, strip);
    }
    if (!picture.Caption.isEmpty()) {
        const TRect captionRect = CaptionPlace(*skin, form, picture, layout);
        if (!captionRect.IsEmpty()) {
            DrawCaptionPlate(*skin, picture, captionRect, cache);
            if (picture.WithCaptionText) DrawCaptionGlyphs(formData, *skin, picture, captionRect, cache, 1.0);
        }
    }

    const int tempLeft = TempBmpLeft(*skin, form, layout);
    const int stripHeight = std::min(layout.FHeaderHeight, form.Height);
    tempBmp.SetSize(form.Width - tempLeft, stripHeight);
    CopyRect(tempBmp, TPoint{}, cache, TRect{tempLeft, 0, form.Width, stripHeight});
    DrawTitleButton(*skin, layout.ButtonClose, picture.FormActive > 0, tempBmp, tempLeft, cache);
    return true;
}

void DrawTitleButton(const TLoadedSkin& skin, const TsCaptionButton& button, bool formActive,
                     const TBitmap32& tempBmp, int tempLeft, TBitmap32& cache, int overlayState, int opacity) {
    const TRect& r = button.Rect;
    if (r.IsEmpty()) return;
    // Restore the strip behind the button first.
    const TRect fromTemp = Intersect(Offset(r, -tempLeft, 0), BoundsOf(tempBmp));
    if (!fromTemp.IsEmpty()) CopyRect(cache, TPoint{fromTemp.Left + tempLeft, fromTemp.Top}, tempBmp, fromTemp);
    const TsMaskData* image = MaskRow(&skin, button.ImageIndex);
    if (!image) return;
    const BackgroundSource source = BackgroundSourceFromBitmap(&tempBmp, TPoint{-tempLeft, 0});
    const TPoint at{r.Left, r.Top};
    const int strength = (button.State == 0 && !formActive) ? 0 : ciFullStrength;
    DrawCornerImage(cache, at, button.State, source, *image, strength);
    if (overlayState < 0 || opacity <= 0) return;
    // The fading frame: drawn over the restored strip aside, then mixed in at `opacity`.
    TBitmap32 over(r.Width(), r.Height());
    const TRect area = Intersect(r, BoundsOf(cache));
    if (area.IsEmpty()) return;
    CopyRect(over, TPoint{area.Left - r.Left, area.Top - r.Top}, tempBmp, Offset(area, -tempLeft, 0));
    DrawCornerImage(over, TPoint{}, overlayState, ShiftedSource(source, at), *image, ciFullStrength);
    const int a = std::clamp(opacity, 0, 255);
    for (int y = area.Top; y < area.Bottom; ++y) {
        TPixel32* d = cache.Scanline(y);
        const TPixel32* s = over.Scanline(y - r.Top);
        for (int x = area.Left; x < area.Right; ++x) {
            const TPixel32 sp = s[x - r.Left], dp = d[x];
            TPixel32 out = dp & 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const int sc = (sp >> shift) & 0xFF, dc = (dp >> shift) & 0xFF;
                out |= TPixel32(dc + (sc - dc) * a / 255) << shift;
            }
            d[x] = out;
        }
    }
}

}  // namespace tornivex::paint
