#include "LabelAccessible.h"

#include <QAccessibleWidget>

#include "TLabel.h"

namespace tornivex::platform {
namespace {

class TLabelAccessible : public QAccessibleWidget {
public:
    explicit TLabelAccessible(TLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<TLabel*>(widget())->Caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* LabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tornivex::platform::TLabel"))
        if (auto* label = qobject_cast<TLabel*>(object)) return new TLabelAccessible(label);
    return nullptr;
}

}  // namespace

void InstallLabelAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&LabelFactory);
}

}  // namespace tornivex::platform
