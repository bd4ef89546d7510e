#include "SectionPreview.h"

#include "BitmapImage.h"
#include "BitmapPrimitives.h"
#include "CornerImage.h"
#include "ElementPaint.h"
#include "ElementText.h"
#include "ManagerAccess.h"
#include "RectOps.h"
#include "sCommonData.h"

#include "platform/text/TextFormat.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinPalette.h"

namespace tornivex::paint {
namespace {

std::optional<TBitmap32> Fail(QString* error, const QString& message) {
    if (error) *error = message;
    return std::nullopt;
}

}  // namespace

std::optional<TBitmap32> RenderSectionPreview(const TsSkinManager& manager, const TSectionPreview& preview,
                                              QString* error) {
    const TLoadedSkin* skin = LoadedSkinOf(&manager);
    if (!skin) return Fail(error, QStringLiteral("no skin is loaded"));
    if (preview.Width <= 0 || preview.Height <= 0 || preview.Width > MaxPreviewSide ||
        preview.Height > MaxPreviewSide)
        return Fail(error, QStringLiteral("size %1 x %2 is not between 1 and %3")
                               .arg(preview.Width).arg(preview.Height).arg(MaxPreviewSide));
    const int index = skin->GetSkinIndex(preview.Section);
    if (index < 0) return Fail(error, QStringLiteral("the skin has no section \"%1\"").arg(preview.Section));
    int parentIndex = -1;
    if (!preview.OverSection.isEmpty()) {
        parentIndex = skin->GetSkinIndex(preview.OverSection);
        if (parentIndex < 0)
            return Fail(error, QStringLiteral("the skin has no section \"%1\"").arg(preview.OverSection));
    }

    int glyphIndex = -1;
    if (!preview.Glyph.isEmpty()) {
        glyphIndex = skin->GetMaskIndex(QStringLiteral("GLOBALINFO"), preview.Glyph);
        if (glyphIndex < 0)
            return Fail(error, QStringLiteral("the skin has no [GLOBALINFO] image \"%1\"").arg(preview.Glyph));
    }

    const bool placed = preview.OverWidth > 0 || preview.OverHeight > 0;
    const int overWidth = placed ? preview.OverWidth : preview.Width;
    const int overHeight = placed ? preview.OverHeight : preview.Height;
    const TPoint at = placed ? TPoint{preview.AtX, preview.AtY} : TPoint{};
    if (overWidth <= 0 || overHeight <= 0 || overWidth > MaxPreviewSide || overHeight > MaxPreviewSide ||
        at.X < 0 || at.Y < 0 || at.X + preview.Width > overWidth || at.Y + preview.Height > overHeight)
        return Fail(error, QStringLiteral("a %1 x %2 section at (%3, %4) does not fit into %5 x %6")
                               .arg(preview.Width).arg(preview.Height).arg(at.X).arg(at.Y).arg(overWidth).arg(overHeight));

    const TColor ground = ColorToRGB(preview.OverColor == clNone ? skin->Palette[pcMainColor] : preview.OverColor);
    const TRect all{0, 0, preview.Width, preview.Height};
    TBitmap32 parent(overWidth, overHeight);
    FillPixels32(parent, TRect{0, 0, overWidth, overHeight}, ground);
    if (parentIndex >= 0) {
        TElementPaint under;
        under.Section = parentIndex;
        under.Rect = TRect{0, 0, overWidth, overHeight};
        under.Background = BackgroundSourceFromColor(ground);
        PaintElementIn(*skin, parent, under);
    }

    // Painted as a control shows it: with the section's normal and hot textures.
    TsCommonData data;
    data.SetSkinManager(const_cast<TsSkinManager*>(&manager));
    data.SkinIndex = index;
    data.Texture = skin->GetTextureIndex(index, QStringLiteral("PATTERN"));
    data.HotTexture = skin->GetTextureIndex(index, QStringLiteral("HOTPATTERN"));
    data.FCacheBmp = std::make_unique<TBitmap32>(preview.Width, preview.Height);
    TElementPaint element;
    element.State = preview.State;
    element.Rect = all;
    element.Background = BackgroundSourceFromBitmap(&parent, at);
    PaintElement(data, *data.FCacheBmp, element);
    if (glyphIndex >= 0) {
        const TsMaskData& glyph = skin->ma[static_cast<std::size_t>(glyphIndex)];
        if (const TBitmap32* image = MaskSourceImage(glyph)) {
            const TPoint glyphAt{(preview.Width - MaskCellWidth(glyph)) / 2, (preview.Height - MaskCellHeight(glyph)) / 2};
            DrawCornerImageFrom(*image, *data.FCacheBmp, glyphAt, preview.State,
                                BackgroundSourceFromBitmap(&parent, at), glyph, ciFullStrength);
        }
    }
    if (!preview.Text.isEmpty()) {
        TTextCanvas canvas{*data.FCacheBmp, preview.Font, clBlack};
        const std::uint32_t flags =
            platform::tfCenter | platform::tfVCenter | platform::tfWordBreak | platform::tfExpandTabs;
        constexpr int contentMargin = 6;  // a push button's default
        WriteElementText(canvas, preview.Text, true, preview.State != 0, data, flags,
                         CenteredCaptionRect(preview.Font, preview.Text, preview.Width, preview.Height, contentMargin, flags));
    }
    return std::move(*data.FCacheBmp);
}

QImage BitmapToImage(const TBitmap32& bmp) {
    if (bmp.Empty()) return QImage();
    QImage image(bmp.Width(), bmp.Height(), QImage::Format_RGB32);
    for (int y = 0; y < bmp.Height(); ++y)
        std::copy_n(bmp.Scanline(y), bmp.Width(), reinterpret_cast<TPixel32*>(image.scanLine(y)));
    return image;
}

}  // namespace tornivex::paint
