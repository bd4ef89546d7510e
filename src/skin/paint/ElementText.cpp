#include "ElementText.h"

#include "ElementPaint.h"
#include "ManagerAccess.h"
#include "TextGlow.h"
#include "BitmapImage.h"
#include "sCommonData.h"

#include "platform/text/DrawText.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"

#include <QImage>
#include <QObject>

#include <algorithm>

namespace tornivex::paint {
namespace {

// System colour numbers of the embossed text of controls that are not skinned.
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNHIGHLIGHT = 20;

QColor ToQColor(TColor color) {
    const TColor c = ColorToRGB(color);
    return QColor(ColorR(c), ColorG(c), ColorB(c));
}

void DrawAt(QImage& image, const QFont& font, TColor color, const QString& text, const TRect& rect,
            TPoint shift, std::uint32_t flags) {
    QRect place(rect.Left + shift.X, rect.Top + shift.Y, rect.Width(), rect.Height());
    platform::DrawFormattedText(image, font, ToQColor(color), text, place, flags);
}

// The colour filters a skinned control's text colours pass through; only saturation is defined.
TColor Filtered(const TsCommonData& data, TColor color) {
    if (data.FSaturation == 0 || color == clNone) return color;
    const TColor c = ColorToRGB(color);
    const int r = ColorR(c), g = ColorG(c), b = ColorB(c);
    const int grey = (r * 77 + g * 151 + b * 28) >> 8;
    const int amount = std::clamp(data.FSaturation, -100, 100);
    const auto adjust = [&](int v) { return std::clamp(grey + (v - grey) * (100 + amount) / 100, 0, 255); };
    return MakeColor(adjust(r), adjust(g), adjust(b));
}

bool UsesParentFontSection(const TLoadedSkin& skin, int skinIndex) {
    const auto& sections = skin.ConstData.Sections;
    for (const int constant : {ssMenuItem, ssCheckBox, ssTransparent, ssGroupBox, ssWebButton})
        if (sections[static_cast<std::size_t>(constant)] == skinIndex && skinIndex >= 0) return true;
    return false;
}

}  // namespace

TRect CenteredCaptionRect(const QFont& font, const QString& text, int width, int height, int margin,
                          std::uint32_t flags) {
    const QRect measured = platform::MeasureFormattedText(font, text, QRect(margin, 0, width - 2 * margin, 0),
                                                          flags & ~platform::tfVCenter);
    TRect rect;
    rect.Left = (width - measured.width()) / 2 - 1;
    rect.Right = rect.Left + measured.width() + 2;
    rect.Top = (height - measured.height()) / 2;
    rect.Bottom = height - rect.Top;
    return rect;
}

int FontSectionOf(const TsCommonData& data) {
    const TLoadedSkin* skin = LoadedSkinOf(data.SkinManager());
    if (!skin || !UsesParentFontSection(*skin, data.SkinIndex) || !data.Owner()) return data.SkinIndex;
    QObject* parent = data.Owner()->ParentObject();
    if (!parent) return data.SkinIndex;
    TacFontSectionAnswer answer;
    if (SendSkinCommand(parent, scGetFontSection, reinterpret_cast<std::intptr_t>(&answer)) != 0 &&
        skin->IsValidSkinIndex(answer.SkinIndex))
        return answer.SkinIndex;
    return data.SkinIndex;
}

void WriteElementText(TTextCanvas& canvas, const QString& text, bool enabled, bool hot,
                      const TsCommonData& data, std::uint32_t flags, const TRect& rect) {
    if (text.isEmpty() || canvas.Target.Empty()) return;
    QImage image = WrapBitmap(canvas.Target, canvas.Ratio);
    QFont font = canvas.Font;
    const TLoadedSkin* skin = data.Skinned(true) ? LoadedSkinOf(data.SkinManager()) : nullptr;

    if (!skin) {  // the platform's own look
        if (enabled) {
            DrawAt(image, font, canvas.FontColor, text, rect, TPoint{}, flags);
        } else {
            DrawAt(image, font, SystemColor(COLOR_BTNHIGHLIGHT), text, rect, TPoint{1, 1}, flags);
            DrawAt(image, font, SystemColor(COLOR_BTNSHADOW), text, rect, TPoint{}, flags);
        }
        return;
    }
    const int section = FontSectionOf(data);
    if (hot && section == skin->ConstData.Sections[ssWebButton]) font.setUnderline(true);
    const std::uint32_t noClip = flags | platform::tfNoClip;
    if (data.FCustomFont) {
        DrawAt(image, font, canvas.FontColor, text, rect, TPoint{}, enabled ? noClip : flags);
        return;
    }
    const TsGeneralData& sectionRow = skin->gd[static_cast<std::size_t>(section)];
    const TsGenState& set = sectionRow.Props[hot ? 1 : 0];
    if (canvas.Ratio != 1.0 && set.GlowSize != 0)
        DrawTextGlow(canvas.Target, text, rect, Filtered(data, set.GlowColor), set.GlowSize, flags, font, canvas.Ratio);
    else if (data.FCacheBmp && set.GlowSize != 0)
        DrawTextGlow(*data.FCacheBmp, text, rect, Filtered(data, set.GlowColor), set.GlowSize, flags, font);
    const TsFontColor& colors = set.FontColor;
    if (!enabled) {
        DrawAt(image, font, Filtered(data, colors.Color), text, rect, TPoint{}, flags);
        return;
    }
    const struct { TColor Color; TPoint Shift; } contours[] = {
        {colors.Left, {-1, 0}}, {colors.Top, {0, -1}}, {colors.Right, {1, 0}}, {colors.Bottom, {0, 1}}};
    for (const auto& contour : contours)
        if (contour.Color != clNone) DrawAt(image, font, Filtered(data, contour.Color), text, rect, contour.Shift, flags);
    DrawAt(image, font, Filtered(data, colors.Color), text, rect, TPoint{}, noClip);
}

}  // namespace tornivex::paint
