#include "sWebLabel.h"

#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "Shell.h"
#include "skin/data/SkinPalette.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {
namespace {

// A screen reader meets the link label as a link it can follow, not as plain text.
class TWebLabelAccessible : public QAccessibleWidget {
public:
    explicit TWebLabelAccessible(TsWebLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Label()->Caption();
        if (t == QAccessible::Description) return Label()->URL();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return Label()->URL().isEmpty() ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) Label()->OpenURL();
    }

private:
    TsWebLabel* Label() const { return static_cast<TsWebLabel*>(widget()); }
};

QAccessibleInterface* WebLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tornivex::TsWebLabel"))
        if (auto* label = qobject_cast<TsWebLabel*>(object)) return new TWebLabelAccessible(label);
    return nullptr;
}

}  // namespace

TsWebLabel::TsWebLabel(QWidget* parent) : TsLabel(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&WebLabelFactory);
        return true;
    }();
    (void)accessibleInstalled;
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    SetTransparent(true);
    if (parent) {
        parent->installEventFilter(this);
        TakeParentFont();
    }
    appliedFont_ = font();
}

void TsWebLabel::SetFont(const QFont& font, TColor color) {
    parentFont_ = false;
    normalFont_ = font;
    normalColor_ = color;
    SetFontColor(color);
    ApplyCurrentFont();
    update();
}

void TsWebLabel::SetHoverFont(const QFont& font, TColor color) {
    hoverFont_ = font;
    hoverColor_ = color;
    ApplyCurrentFont();
    update();
}

void TsWebLabel::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    TakeParentFont();
}

void TsWebLabel::TakeParentFont() {
    if (!parentFont_ || !parentWidget()) return;
    const QFont parent = parentWidget()->font();
    normalFont_ = parent;  // the colour is the label's own (normalColor_), so it stays
    if (parent.families().isEmpty())
        hoverFont_.setFamily(parent.family());
    else
        hoverFont_.setFamilies(parent.families());
    if (parent.pixelSize() > 0)
        hoverFont_.setPixelSize(parent.pixelSize());
    else
        hoverFont_.setPointSizeF(parent.pointSizeF());
    ApplyCurrentFont();
    update();
}

void TsWebLabel::ApplyCurrentFont() {
    const QScopedValueRollback<bool> guard(applyingFont_, true);
    setFont(CurrentFont());
    appliedFont_ = font();
}

void TsWebLabel::RestoreOwnFont() {
    if (applyingFont_) return;
    const QFont current = font();
    const bool faceOrSizeChanged = current.family() != appliedFont_.family() ||
                                   current.pixelSize() != appliedFont_.pixelSize() ||
                                   current.pointSizeF() != appliedFont_.pointSizeF();
    if (FontColor() != normalColor_) SetFontColor(normalColor_);
    if (!faceOrSizeChanged) return;
    ApplyCurrentFont();
    update();
}

bool TsWebLabel::event(QEvent* event) {
    // A new parent is watched for font changes instead of the old one.
    if (event->type() == QEvent::ParentAboutToChange && parentWidget())
        parentWidget()->removeEventFilter(this);
    const bool handled = TsLabel::event(event);
    if (event->type() == QEvent::ParentChange && parentWidget()) {
        parentWidget()->installEventFilter(this);
        TakeParentFont();
    }
    return handled;
}

bool TsWebLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::FontChange) TakeParentFont();
    return TsLabel::eventFilter(watched, event);
}

void TsWebLabel::paintEvent(QPaintEvent* event) {
    RestoreOwnFont();
    TsLabel::paintEvent(event);
}

void TsWebLabel::CaptionAboutToBeMeasured() { RestoreOwnFont(); }

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
    ApplyCurrentFont();  // an auto-sized label follows the font in force
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
    if (event->button() == Qt::LeftButton) OpenURL();
}

void TsWebLabel::OpenURL() {
    if (!url_.isEmpty()) platform::ShellOpen(url_);
}

}  // namespace tornivex
