#include "sWebLabel.h"

#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QMouseEvent>

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
    if (event->button() == Qt::LeftButton) OpenURL();
}

void TsWebLabel::OpenURL() {
    if (!url_.isEmpty()) platform::ShellOpen(url_);
}

}  // namespace tornivex
