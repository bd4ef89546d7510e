#include "sWebLabel.h"

#include <QEnterEvent>
#include <QMouseEvent>

#include "Shell.h"
#include "skin/data/SkinPalette.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {

TsWebLabel::TsWebLabel(QWidget* parent) : TsLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    SetTransparent(true);
}

void TsWebLabel::SetFont(const QFont& font, TColor color) {
    normalFont_ = font;
    normalColor_ = color;
    SetFontColor(color);
    if (!mouseAbove_) setFont(font);
    update();
}

void TsWebLabel::SetHoverFont(const QFont& font, TColor color) {
    hoverFont_ = font;
    hoverColor_ = color;
    if (mouseAbove_) setFont(font);
    update();
}

TColor TsWebLabel::CurrentTextColor() const {
    const TsSkinManager* manager = SkinManager();
    const bool skinned = useSkinColor_ && SkinActive() && manager;
    if (mouseAbove_) return skinned ? manager->Palette()[pcWebTextHot] : ColorToRGB(static_cast<TColor>(hoverColor_));
    if (!skinned) return ColorToRGB(static_cast<TColor>(normalColor_));
    // A section under the label that gives its own font names the colour; else the link colour.
    const int section = ParentFontSection();
    if (section >= 0) return manager->gd()[static_cast<std::size_t>(section)].Props[0].FontColor.Color;
    return manager->Palette()[pcWebText];
}

void TsWebLabel::SetMouseAbove(bool above) {
    if (above == mouseAbove_) return;
    mouseAbove_ = above;
    setFont(CurrentFont());  // an auto-sized label follows the font in force
    update();
    if (parentWidget()) parentWidget()->update(geometry());
}

void TsWebLabel::enterEvent(QEnterEvent* event) {
    if (isEnabled()) SetMouseAbove(true);
    TsLabel::enterEvent(event);
}

void TsWebLabel::leaveEvent(QEvent* event) {
    if (isEnabled()) SetMouseAbove(false);
    TsLabel::leaveEvent(event);
}

void TsWebLabel::mousePressEvent(QMouseEvent* event) {
    TsLabel::mousePressEvent(event);
    // The address opens on the press itself; a failed open changes nothing.
    if (event->button() == Qt::LeftButton && !url_.isEmpty()) platform::ShellOpen(url_);
}

}  // namespace tornivex
