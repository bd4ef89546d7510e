#include "acProvider.h"

#include <QApplication>
#include <QEvent>

#include "acCtrlAdapter.h"
#include "sSkinProvider.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/SkinEngine.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {
namespace {

QList<TacProvider*>& Providers() {
    static QList<TacProvider*> providers;
    return providers;
}

// The program's own forms follow the class naming of its windows (T...); the platform's
// dialogs and boxes (Q...) belong to no form and keep the desktop's look.
bool IsProgramForm(const QWidget* window) { return ControlClassName(window).startsWith(u'T'); }

class TFormActivationWatch : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Polish && type != QEvent::Show && type != QEvent::ActivationChange &&
            type != QEvent::WindowActivate)
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow()) return false;
        // A finished form is polished before its native window exists (an owned dialog with its
        // owner): skinned then, it is created frameless and its first frame is the skinned one.
        // Show and activation catch forms whose windows exist already.
        if (type == QEvent::Polish && window->testAttribute(Qt::WA_WState_Created)) return false;
        TrySkinForm(window);
        return false;
    }
};

}  // namespace

QStringList& acIntExceptions() {
    static QStringList names{QStringLiteral("TApplication"), QStringLiteral("TfcPopup"),
                             QStringLiteral("TcxComboBoxPopupWindow"), QStringLiteral("TcxCustomPopupWindow"),
                             QStringLiteral("TdxPopupEditForm"), QStringLiteral("TcxDateEditPopupWindow"),
                             QStringLiteral("TcxGridFilterPopup")};
    return names;
}

TacProvider::TacProvider(QWidget* form) : QObject(form), CtrlHandle(form) {
    setObjectName(QStringLiteral("acProvider"));
    Providers().append(this);
}

TacProvider::~TacProvider() { Providers().removeAll(this); }

const QList<TacProvider*>& TacProvider::All() { return Providers(); }

void TacProvider::InitForm(QWidget* form) {
    provider_ = TsSkinProvider::CreateRT(form, true);
    provider_->UseGlobalColor = false;
    form->update();
    provider_->MakeSkinMenu = false;
}

bool TrySkinForm(QWidget* window) {
    if (!window || !window->isWindow()) return false;
    if (QCoreApplication::closingDown()) return false;
    TsSkinManager* manager = DefaultManager();
    if (!manager || !manager->Active() || !manager->CommonSkinData().Active) return false;
    if (SendSkinCommand(window, scIsSkinned) != 0) return false;
    const Qt::WindowFlags flags = window->windowFlags();
    if ((flags & Qt::Popup) == Qt::Popup || (flags & Qt::ToolTip) == Qt::ToolTip) return false;
    if (!IsProgramForm(window)) return false;
    if (TagOf(window) & acNoSkinTag) return false;
    const QString className = ControlClassName(window);
    if (acIntExceptions().contains(className)) return false;
    const bool messageForm = className == QStringLiteral("TMessageForm");
    const unsigned rules = manager->SkinningRules;
    if (!(messageForm ? (rules & srStdDialogs) : (rules & srStdForms))) return false;
    auto* holder = new TacProvider(window);
    holder->InitForm(window);
    return true;
}

void InstallFormActivationWatch() {
    static TFormActivationWatch* watch = nullptr;
    if (watch || !QCoreApplication::instance()) return;
    watch = new TFormActivationWatch;
    watch->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
}

}  // namespace tornivex
