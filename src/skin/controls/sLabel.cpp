#include "sLabel.h"
#include "SkinnedWidget.h"

#include <QPainter>

#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/SkinEngine.h"
#include "skin/data/SkinPalette.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/BitmapImage.h"
#include "skin/paint/BitmapPrimitives.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/ElementText.h"

namespace tornivex {
namespace {

TColor ParentColorOf(const QWidget* label) {
    const QWidget* parent = label->parentWidget();
    const QColor c = parent ? parent->palette().color(QPalette::Window) : label->palette().color(QPalette::Window);
    return platform::FromQColor(c);
}

}  // namespace

TsCustomLabel::TsCustomLabel(QWidget* parent) : platform::TLabel(parent) {}

TsSkinManager* TsCustomLabel::SkinManager() const { return skinManager_ ? skinManager_ : DefaultManager(); }

bool TsCustomLabel::SkinActive() const {
    const TsSkinManager* manager = SkinManager();
    return manager && manager->Active() && manager->CommonSkinData().Active;
}

void TsCustomLabel::SetSkinSection(const QString& section) {
    skinSection_ = section;
    update();
}

void TsCustomLabel::SetTransparent(bool value) {
    transparent_ = value;
    update();
}

void TsCustomLabel::SetUseSkinColor(bool value) {
    useSkinColor_ = value;
    update();
}

TColor TsCustomLabel::DisabledColor(TColor color) const {
    return paint::BlendColors(ColorToRGB(color), ColorToRGB(ParentColorOf(this)), 0.4);
}

TColor TsCustomLabel::CurrentTextColor() const {
    const TsSkinManager* manager = SkinManager();
    const TColor skinColor = manager ? manager->GetGlobalFontColor() : static_cast<TColor>(FontColor());
    return isEnabled() ? skinColor : DisabledColor(static_cast<TColor>(FontColor()));
}

int TsCustomLabel::ParentFontSection() const {
    QWidget* parent = parentWidget();
    if (!parent) return -1;
    paint::TacFontSectionAnswer answer;
    // The question names the label's rectangle in its parent.
    if (SendSkinCommand(parent, scGetFontSection, reinterpret_cast<std::intptr_t>(&answer)) == 0) return -1;
    const TsSkinManager* manager = SkinManager();
    return manager && manager->IsValidSkinIndex(answer.SkinIndex) ? answer.SkinIndex : -1;
}

void TsCustomLabel::PaintSectionBackground(QPainter& painter, int skinIndex) {
    TBitmap32 picture(width(), height());
    paint::BackgroundQuery query;
    query.Offset = TPoint{x(), y()};
    query.R = TRect{0, 0, width(), height()};
    query.DrawDC = &picture;
    paint::QueryParentBackground(query, parentWidget(), true);
    paint::TElementPaint options;
    options.Section = skinIndex;
    options.Rect = TRect{0, 0, width(), height()};
    options.Background = paint::BackgroundSourceFromBitmap(&picture, TPoint{});
    paint::PaintElementByIndex(picture, options, SkinManager());
    DrawOnDeviceGrid(painter, picture, devicePixelRatioF());
}

void TsCustomLabel::paintEvent(QPaintEvent* event) {
    if (!SkinActive()) {
        platform::TLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const TsSkinManager* manager = SkinManager();
    if (!skinSection_.isEmpty()) {
        FSkinIndex = manager->GetSkinIndex(skinSection_.toUpper());
        if (FSkinIndex > 0) PaintSectionBackground(painter, FSkinIndex);
    }
    if (!transparent_ && FSkinIndex <= 0 && BackgroundColor() != clNone)
        painter.fillRect(rect(), platform::ToQColor(BackgroundColor()));
    TColor color = CurrentTextColor();
    if (manager->IsValidSkinIndex(FSkinIndex))
        color = manager->gd()[static_cast<std::size_t>(FSkinIndex)].Props[0].FontColor.Color;
    FSkinIndex = -1;
    painter.setFont(CurrentFont());
    painter.setPen(platform::ToQColor(color));
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (ShowAccelChar) flags |= Qt::TextShowMnemonic;
    painter.drawText(rect(), flags, Caption());
}

TsLabel::TsLabel(QWidget* parent) : TsCustomLabel(parent) { useSkinColor_ = true; }

TColor TsLabel::CurrentTextColor() const {
    const TsSkinManager* manager = SkinManager();
    if (!useSkinColor_ || !SkinActive() || !manager) return static_cast<TColor>(FontColor());
    TColor color = manager->GetGlobalFontColor();
    int section = SkinSection().isEmpty() ? -1 : manager->GetSkinIndex(SkinSection().toUpper());
    if (section < 0) section = ParentFontSection();
    if (section >= 0) color = manager->gd()[static_cast<std::size_t>(section)].Props[0].FontColor.Color;
    return isEnabled() ? color : DisabledColor(color);
}

}  // namespace tornivex
