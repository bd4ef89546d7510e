#include "ScrollBarAccessible.h"

#include "ScrollBarWidget.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QScrollBar>

namespace tornivex {
namespace {

class TacScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TacScrollBarAccessible(TacScrollBarWidget* widget)
        : QAccessibleWidget(widget, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(Platform() ? Platform()->value() : 0);
        if (t == QAccessible::Name) {
            const bool vertical = static_cast<TacScrollBarWidget*>(widget())->Bar().nBarType == sbVert;
            return vertical ? QStringLiteral("Vertical") : QStringLiteral("Horizontal");
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return Platform() ? Platform()->value() : 0; }
    void setCurrentValue(const QVariant& value) override {
        if (Platform()) Platform()->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return Platform() ? Platform()->maximum() : 0; }
    QVariant minimumValue() const override { return Platform() ? Platform()->minimum() : 0; }
    QVariant minimumStepSize() const override { return Platform() ? Platform()->singleStep() : 1; }

private:
    QScrollBar* Platform() const { return static_cast<TacScrollBarWidget*>(widget())->PlatformBar(); }
};

QAccessibleInterface* ScrollBarFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tornivex::TacScrollBarWidget") && object && object->isWidgetType())
        return new TacScrollBarAccessible(static_cast<TacScrollBarWidget*>(object));
    return nullptr;
}

}  // namespace

void InstallScrollBarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ScrollBarFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace tornivex
