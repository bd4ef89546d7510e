#include "ElementPaint.h"

#include "BitmapPrimitives.h"
#include "BorderMask.h"
#include "CornerImage.h"
#include "Decorations.h"
#include "Gradient.h"
#include "ManagerAccess.h"
#include "RectOps.h"
#include "Texture.h"
#include "sCommonData.h"

#include "skin/data/LoadedSkin.h"

#include <algorithm>
#include <cmath>

namespace tornivex::paint {
namespace {

// The section's own look in one state, as PaintElementBackground resolves it.
struct TOwnLook {
    TColor C = clWhite;
    int T = 0;   // transparency
    int IP = 0;  // image share
    int GP = 0;  // gradient share
    const TsGradArray* Gradient = nullptr;
    int Texture = -1;
};

void PaintGradientOrFill(TBitmap32& target, const TRect& rect, const TOwnLook& look) {
    if (look.Gradient && !look.Gradient->empty()) PaintGradient(target, rect, *look.Gradient);
    else FillPixels32(target, rect, look.C);
}

// The one-pass path: a tiled opaque texture (mode 0) over a vertical or horizontal gradient with
// shares adding up to 100. Same pixels as tiling, painting the gradient aside and blending it
// over, without the intermediate bitmaps.
bool CanCombineInOnePass(const TLoadedSkin& skin, const TOwnLook& look) {
    if (look.IP + look.GP != 100 || look.GP < 1 || look.GP > 99 || !look.Gradient || look.Gradient->empty())
        return false;
    if (look.Gradient->front().Mode1 != 0 && look.Gradient->front().Mode1 != 1) return false;
    if (!skin.IsValidImgIndex(look.Texture)) return false;
    const TsMaskData& texture = skin.ma[static_cast<std::size_t>(look.Texture)];
    const TBitmap32* image = MaskSourceImage(texture);
    return texture.MaskType == 0 && texture.DrawMode == 0 && image && !texture.R.IsEmpty() &&
           Intersect(texture.R, BoundsOf(*image)) == texture.R;
}

void CombineTextureAndGradient(const TLoadedSkin& skin, const TOwnLook& look, TBitmap32& target, const TRect& rect) {
    const TsMaskData& texture = skin.ma[static_cast<std::size_t>(look.Texture)];
    const TBitmap32& image = *MaskSourceImage(texture);
    const bool vertical = look.Gradient->front().Mode1 == 0;
    // The gradient depends only on the length along its direction: one column or one row of it.
    TBitmap32 ramp(vertical ? 1 : rect.Width(), vertical ? rect.Height() : 1);
    if (vertical) PaintGradient(ramp, TRect{0, 0, 1, rect.Height()}, *look.Gradient);
    else PaintGradient(ramp, TRect{0, 0, rect.Width(), 1}, *look.Gradient);
    const int t = std::clamp(look.IP * 255 / 100, 0, 255);
    const int tw = texture.R.Width(), th = texture.R.Height();
    for (int y = 0; y < rect.Height(); ++y) {
        const TPixel32* tile = image.Scanline(texture.R.Top + y % th) + texture.R.Left;
        TPixel32* out = target.Scanline(rect.Top + y) + rect.Left;
        for (int x = 0, tx = 0; x < rect.Width(); ++x, tx = tx + 1 == tw ? 0 : tx + 1) {
            const TPixel32 g = vertical ? ramp.Pixel(0, y) : ramp.Pixel(x, 0);
            const TPixel32 s = tile[tx];
            TPixel32 mixed = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const int gc = (g >> shift) & 0xFF, sc = (s >> shift) & 0xFF;
                mixed |= TPixel32(static_cast<std::uint8_t>((gc * 256 + (sc - gc) * t) / 256)) << shift;
            }
            out[x] = mixed;
        }
    }
}

void FillOwnBackground(const TLoadedSkin& skin, const TOwnLook& look, const BackgroundSource& source,
                       TBitmap32& target, const TRect& rect) {
    if (CanCombineInOnePass(skin, look)) {
        CombineTextureAndGradient(skin, look, target, rect);
        return;
    }
    bool textured = false;
    if (look.IP > 0) {
        const TBitmap32* image =
            skin.IsValidImgIndex(look.Texture) ? MaskSourceImage(skin.ma[look.Texture]) : nullptr;
        if (image) {
            const TsMaskData& texture = skin.ma[look.Texture];
            TRect uncovered = rect;
            // A masked texture lets what lies beneath show through: make that the section's
            // colour rather than whatever the target held before.
            if (texture.MaskType != 0) FillPixels32(target, rect, look.C);
            PaintTextureFrom(*image, target, uncovered, texture, texture.DrawMode, source);
            textured = true;
            if (uncovered != NothingUncovered) FillPixels32(target, uncovered, look.C);
        } else {
            FillPixels32(target, rect, look.C);
        }
    }
    if (look.GP > 0) {
        if (textured) {
            TBitmap32 gradient(rect.Width(), rect.Height());
            PaintGradientOrFill(gradient, BoundsOf(gradient), look);
            BlendBitmapOver(target, gradient, std::clamp(look.IP * 255 / 100, 0, 255),
                            TPoint{rect.Left, rect.Top});
        } else {
            PaintGradientOrFill(target, rect, look);
        }
    }
    const int share = look.IP + look.GP;
    if (share <= 0) {
        TColor fill = look.C;
        // A partly transparent section with nothing beneath it known keeps its own colour.
        if (!source.HasBitmapBackground() && look.T != 0 && look.T != 100 && source.HasColor())
            fill = BlendColors(look.C, source.Color, look.T / 100.0);
        FillPixels32(target, rect, fill);
    } else if (share < 100) {
        BlendColorOver(target, rect, share, look.C);
    }
}

// Puts what the parent shows under `rect` into the target: a copy of its bitmap at the shifted
// position, or its colour (with its bordered bitmap's strips where the rectangle overlaps them).
void PutParentBackground(TBitmap32& target, const TRect& rect, const BackgroundSource& source, TPoint offset) {
    const int dx = source.OffsetX + offset.X, dy = source.OffsetY + offset.Y;
    if (source.HasBitmapBackground()) {
        if (source.Bmp != &target)
            CopyRect(target, TPoint{rect.Left, rect.Top}, *source.Bmp, Offset(rect, dx, dy));
        return;
    }
    FillPixels32(target, rect, source.Color);
    const TRect& borders = source.FillRect;
    if (!source.Bmp || borders == TRect{}) return;
    const int w = source.Bmp->Width(), h = source.Bmp->Height();
    const TRect inParent = Offset(rect, dx, dy);
    for (const TRect& strip : {TRect{0, 0, borders.Left, h}, TRect{0, 0, w, borders.Top},
                               TRect{w - borders.Right, 0, w, h}, TRect{0, h - borders.Bottom, w, h}}) {
        const TRect part = Intersect(inParent, strip);
        if (!part.IsEmpty()) CopyRect(target, TPoint{part.Left - dx, part.Top - dy}, *source.Bmp, part);
    }
}

TOwnLook ResolveLook(const TsGenState& p, TColor customColor, int texture) {
    TOwnLook look;
    if (customColor == clFuchsia) {
        look.C = p.Color;
        look.T = p.Transparency;
        if (look.T != 100) {
            look.IP = p.ImagePercent;
            look.GP = p.GradientPercent;
            if (look.GP != 0) look.Gradient = &p.GradientArray;
            if (look.IP > 0 && texture < 0) texture = p.TextureIndex;
        }
    } else {
        look.C = customColor;
    }
    look.Texture = texture;
    return look;
}

void DrawCornerImages(const TLoadedSkin& skin, const TsGeneralData& section, const BackgroundSource& source,
                      int state, TBitmap32& target, const TRect& rect) {
    const auto put = [&](int index, bool right, bool bottom) {
        if (!skin.IsValidImgIndex(index)) return;
        const TsMaskData& md = skin.ma[index];
        const TBitmap32* image = MaskSourceImage(md);
        if (!image) return;
        const TPoint at{right ? rect.Right - MaskCellWidth(md) : rect.Left,
                        bottom ? rect.Bottom - MaskCellHeight(md) : rect.Top};
        DrawCornerImageFrom(*image, target, at, state, source, md, ciFullStrength);
    };
    put(section.ImgTL, false, false);
    put(section.ImgTR, true, false);
    put(section.ImgBL, false, true);
    put(section.ImgBR, true, true);
}

// Paints everything but the colour filters; answers whether the filters may follow.
bool PaintSection(const TLoadedSkin& skin, TBitmap32& target, const TElementPaint& options) {
    if (!skin.IsValidSkinIndex(options.Section) || !LiesInside(options.Rect, target)) return false;
    const TsGeneralData& section = skin.gd[static_cast<std::size_t>(options.Section)];
    const int s = LimitState(section, options.State);
    TElementPaint limited = options;
    limited.State = s;
    PaintElementBackgroundIn(skin, target, limited);
    const BackgroundSource shifted = ShiftedSource(options.Background, options.Offset);
    DrawCornerImages(skin, section, shifted, s, target, options.Rect);
    const int border = section.BorderIndex;
    const bool drawsBorder = skin.IsValidImgIndex(border) &&
                             !(s == 0 && (skin.ma[static_cast<std::size_t>(border)].DrawMode & bmNotInNormal));
    if (drawsBorder)
        DrawBorderMask(target, options.Rect, shifted, options.CornerFill, s,
                       skin.ma[static_cast<std::size_t>(border)]);
    return drawsBorder || section.Props[static_cast<std::size_t>(PropertySetOf(section, s))].Transparency == 0;
}

}  // namespace

int LimitState(const TsGeneralData& section, int state) {
    return std::max(0, std::min(state, section.States - 1));
}

int PropertySetOf(const TsGeneralData& section, int state) {
    return std::min(LimitState(section, state), 1);
}

void PaintElementBackgroundIn(const TLoadedSkin& skin, TBitmap32& target, const TElementPaint& options) {
    const TRect& rect = options.Rect;
    const BackgroundSource& source = options.Background;
    const TPoint offset = options.Offset;
    int texture = options.Texture;
    if (!skin.IsValidSkinIndex(options.Section) || rect.IsEmpty() || !LiesInside(rect, target)) return;
    const TsGeneralData& section = skin.gd[static_cast<std::size_t>(options.Section)];
    const int s = LimitState(section, options.State);
    const TsGenState& p = section.Props[static_cast<std::size_t>(PropertySetOf(section, s))];
    const TOwnLook look = ResolveLook(p, options.CustomColor, texture);
    const BackgroundSource shifted = ShiftedSource(source, offset);

    if (source.HasBitmapBackground() || source.HasColor()) {
        if (look.T == 0) {
            FillOwnBackground(skin, look, shifted, target, rect);
        } else if (look.T == 100) {
            PutParentBackground(target, rect, source, offset);
        } else if (source.HasBitmapBackground() || look.IP + look.GP != 0) {
            TBitmap32 own(rect.Width(), rect.Height());
            FillOwnBackground(skin, look, ShiftedSource(shifted, TPoint{rect.Left, rect.Top}), own, BoundsOf(own));
            PutParentBackground(target, rect, source, offset);
            const int t = static_cast<int>(std::nearbyint(look.T * 2.55));
            BlendBitmapOver(target, own, t, TPoint{rect.Left, rect.Top});
        } else {
            FillPixels32(target, rect, BlendColors(source.Color, look.C, look.T / 100.0));
        }
    } else {
        FillOwnBackground(skin, look, shifted, target, rect);
    }

    // A masked texture of mode 10 is laid over everything.
    if (texture < 0) texture = p.TextureIndex;
    const int overlay = s == 0 || options.HotTexture < 0 ? texture : options.HotTexture;
    if (!skin.IsValidImgIndex(overlay)) return;
    const TsMaskData& md = skin.ma[static_cast<std::size_t>(overlay)];
    const TBitmap32* image = MaskSourceImage(md);
    if (image && md.MaskType > 0 && md.DrawMode == 10) {
        TRect area = rect;
        PaintTextureFrom(*image, target, area, md, 10, shifted);
    }
}

TElementPaint ElementPaintOf(const TsCommonData& data) {
    TElementPaint options;
    options.Section = data.SkinIndex;
    options.Texture = data.Texture;
    options.HotTexture = data.HotTexture;
    options.CustomColor = data.FCustomColor ? ColorToRGB(data.OwnerColorNow()) : clFuchsia;
    return options;
}

void PaintElementIn(const TLoadedSkin& skin, TBitmap32& target, const TElementPaint& options) {
    PaintSection(skin, target, options);
}

void PaintElementBackground(TBitmap32& target, const TElementPaint& options, const TsSkinManager* manager) {
    if (const TLoadedSkin* skin = LoadedSkinOf(ManagerOrDefault(manager)))
        PaintElementBackgroundIn(*skin, target, options);
}

void PaintElementByIndex(TBitmap32& target, const TElementPaint& options, const TsSkinManager* manager) {
    if (const TLoadedSkin* skin = LoadedSkinOf(ManagerOrDefault(manager))) {
        TElementPaint bare = options;
        bare.CustomColor = clFuchsia;
        bare.Texture = bare.HotTexture = -1;
        PaintElementIn(*skin, target, bare);
    }
}

void PaintElement(const TsCommonData& data, TBitmap32& target, const TElementPaint& options) {
    const TLoadedSkin* skin = LoadedSkinOf(data.SkinManager());
    if (!skin) return;
    TElementPaint own = ElementPaintOf(data);
    own.State = options.State;
    own.Rect = options.Rect;
    own.Offset = options.Offset;
    own.Background = options.Background;
    own.CornerFill = options.CornerFill;
    const bool filtersFollow = PaintSection(*skin, target, own);
    // Of the colour filters only saturation has a formula here; hue offset and tone are unused.
    if (filtersFollow && data.FSaturation != 0) ApplySaturation(target, data.FSaturation);
}

}  // namespace tornivex::paint
