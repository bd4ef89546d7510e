#include "sSkinManagerWidgets.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <vector>

#include "acProvider.h"
#include "skin/data/SkinCommand.h"
#include "common/color/Color.h"
#include "sSkinManagerWidgetsAttach.h"
#include "sSkinManagerWidgetsHot.h"
#include "sSkinManagerWidgetsWindows.h"

namespace tornivex {
namespace {

std::vector<QPointer<QWidget>> lockedForms;

bool TakesPartInSkinning(QObject* object) { return SendSkinCommand(object, scIsSkinned) == 1; }

// A control that takes part in skinning gets the command and passes it on itself; any other
// widget is skipped but its children are walked; objects without a window get a direct call.
void WalkChildren(QObject* parent, int command, std::intptr_t lparam) {
    const QObjectList children = parent->children();
    for (QObject* child : children) {
        // A child being destroyed (the parent is deleting its children) ends this parent's walk.
        if (!child) break;
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget) {
            if (child->isWidgetType()) continue;
            SendSkinCommand(child, command, lparam);
            continue;
        }
        if (widget->isWindow()) continue; // dialogs owned by a form are forms of their own
        if (TakesPartInSkinning(widget)) SendSkinCommand(widget, command, lparam);
        else WalkChildren(widget, command, lparam);
    }
}

QString ApplicationTitle() {
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() ? QApplication::applicationName() : title;
}

void ShowBox(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void TSkinManagerWidgets::Broadcast(TsSkinManager& manager, int command, std::intptr_t lparam) {
    // Forms from the last created to the first; each form, then its controls.
    const QWidgetList forms = QApplication::topLevelWidgets();
    std::vector<QPointer<QWidget>> targets(forms.begin(), forms.end());
    for (auto it = targets.rbegin(); it != targets.rend(); ++it) {
        QWidget* form = *it;
        if (!form) continue; // destroyed by an earlier receiver
        SendSkinCommand(form, command, lparam);
        if (*it) WalkChildren(form, command, lparam);
    }
    if (const auto* windows = FindAttached<TSkinWindowRegistry>(manager)) windows->Broadcast(command, lparam);
}

void TSkinManagerWidgets::LockForms(TsSkinManager&) {
    for (QWidget* form : QApplication::topLevelWidgets()) {
        if (!form->isVisible() || !form->updatesEnabled()) continue;
        form->setUpdatesEnabled(false);
        lockedForms.emplace_back(form);
    }
}

void TSkinManagerWidgets::UnlockForms(TsSkinManager&, bool) {
    // The skin-change fade belongs to the skin periphery; forms simply redraw.
    std::vector<QPointer<QWidget>> forms;
    forms.swap(lockedForms);
    for (const QPointer<QWidget>& form : forms) {
        if (!form) continue;
        form->setUpdatesEnabled(true);
        form->update();
        for (QWidget* child : form->findChildren<QWidget*>()) child->update();
    }
}

void TSkinManagerWidgets::RedrawDialogs(TsSkinManager&) {
    for (QWidget* form : QApplication::topLevelWidgets())
        if (form->isVisible() && form->isModal()) form->update();
}

void TSkinManagerWidgets::SetActiveControl(TsSkinManager& manager, QObject* window) {
    Attached<TSkinHotTracking>(manager).SetActiveControl(window);
}

void TSkinManagerWidgets::SetActiveGraphControl(TsSkinManager& manager, QObject* control) {
    Attached<TSkinHotTracking>(manager).SetActiveGraphControl(control);
}

QObject* TSkinManagerWidgets::ActiveControl(const TsSkinManager& manager) const {
    const auto* hot = FindAttached<TSkinHotTracking>(manager);
    return hot ? hot->ActiveControl() : nullptr;
}

QObject* TSkinManagerWidgets::ActiveGraphControl(const TsSkinManager& manager) const {
    const auto* hot = FindAttached<TSkinHotTracking>(manager);
    return hot ? hot->ActiveGraphControl() : nullptr;
}

void TSkinManagerWidgets::RegisterWindow(TsSkinManager& manager, QObject* window) {
    Attached<TSkinWindowRegistry>(manager).RegisterWindow(window);
}

void TSkinManagerWidgets::UnregisterWindow(TsSkinManager& manager, QObject* window) {
    if (auto* windows = FindAttached<TSkinWindowRegistry>(manager)) windows->UnregisterWindow(window);
}

void TSkinManagerWidgets::ShowError(const QString& text, const QString& caption) {
    ShowBox(QMessageBox::Critical, caption.isEmpty() ? ApplicationTitle() : caption, text);
}

void TSkinManagerWidgets::ShowMessage(const QString& text) {
    ShowBox(QMessageBox::NoIcon, ApplicationTitle(), text);
}

void TSkinManagerWidgets::ShowWarning(const QString& text) {
    ShowBox(QMessageBox::Warning, ApplicationTitle(), text);
}

void InstallSkinManagerWidgets() {
    static TSkinManagerWidgets widgets;
    SetSkinManagerHost(&widgets);
    SetSkinDialogs(&widgets);
    // Forms without a provider of their own get one when first shown or activated.
    InstallFormActivationWatch();
}

} // namespace tornivex
