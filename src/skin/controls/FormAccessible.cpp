#include "FormAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "acCtrlAdapter.h"
#include "sSkinProvider.h"

namespace tornivex {
namespace {

// The title strip's close button, drawn by the provider.
class TCloseButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit TCloseButtonAccessible(QWidget* form) : form_(form) {}

    bool isValid() const override { return form_ && Provider() && Provider()->Skinned(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return form_ ? form_->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(form_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Close") : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const TRect& r = Provider()->ButtonClose().Rect;
        return QRect(form_->mapToGlobal(QPoint(r.Left, r.Top)), QSize(r.Width(), r.Height()));
    }
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !isValid();
        s.pressed = isValid() && Provider()->ButtonClose().State == 2;
        s.hotTracked = isValid() && Provider()->ButtonClose().State == 1;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) Provider()->PressCloseButton();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TsSkinProvider* Provider() const { return TsSkinProvider::Of(form_); }
    QPointer<QWidget> form_;
};

// A program form: its own children, then the close button while the frame is skinned.
class TFormAccessible : public QAccessibleWidget {
public:
    explicit TFormAccessible(QWidget* form)
        : QAccessibleWidget(form, form->inherits("QDialog") ? QAccessible::Dialog : QAccessible::Window) {}
    ~TFormAccessible() override {
        if (closeButton_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(closeButton_));
    }

    int childCount() const override { return QAccessibleWidget::childCount() + (CloseVisible() ? 1 : 0); }
    QAccessibleInterface* child(int index) const override {
        if (CloseVisible() && index == QAccessibleWidget::childCount()) return CloseButton();
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && child == closeButton_) return CloseVisible() ? QAccessibleWidget::childCount() : -1;
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (CloseVisible() && CloseButton()->rect().contains(x, y)) return CloseButton();
        return QAccessibleWidget::childAt(x, y);
    }

private:
    bool CloseVisible() const {
        TsSkinProvider* provider = TsSkinProvider::Of(widget());
        return provider && provider->Skinned() && !provider->ButtonClose().Rect.IsEmpty();
    }
    QAccessibleInterface* CloseButton() const {
        if (!closeButton_) {
            closeButton_ = new TCloseButtonAccessible(widget());
            QAccessible::registerAccessibleInterface(closeButton_);
        }
        return closeButton_;
    }
    mutable QAccessibleInterface* closeButton_ = nullptr;
};

QAccessibleInterface* FormFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow()) return nullptr;
    // Asked once per class of the chain, most derived first: answer for the program's own form.
    if (className != QLatin1String(object->metaObject()->className())) return nullptr;
    if (!ControlClassName(object).startsWith(u'T')) return nullptr;
    return new TFormAccessible(widget);
}

}  // namespace

void InstallFormAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&FormFactory);
}

}  // namespace tornivex
