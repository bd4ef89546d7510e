#pragma once
// TacCtrlAdapter: a provider's walk over its form's controls. Plain labels are recoloured; a
// control whose class name is in one of the manager's ThirdParty lists gets an adapter item of
// that kind; controls that skin themselves (they answer skin command 7) and controls whose Tag
// has bit 0x100 are left alone.
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace tornivex {

class TsSkinProvider;
class TacCtrlAdapter;

struct TacAdapterItem {
    TacCtrlAdapter* Adapter = nullptr;
    QPointer<QWidget> WinCtrl;
    int Kind = -1;           // the ThirdParty list that matched (TacThirdPartyKind)
    QString SkinSection;

    // Finds the first list naming the control's class; answers whether one did.
    bool DoHook(QWidget* control, const QString& skinSection);
};

// The control's class name as the lists name it (without namespaces).
QString ControlClassName(const QObject* control);

class TacCtrlAdapter {
public:
    explicit TacCtrlAdapter(TsSkinProvider* provider) : Provider(provider) {}

    TsSkinProvider* Provider;
    std::vector<TacAdapterItem> Items;

    // Vetoes adaptation per control (OnSkinItem); unassigned by default.
    std::function<void(QWidget* control, bool& canBeAdded, QString& skinSection)> OnSkinItem;

    // Walks `owner` (the form when null) and its windowed children.
    void AddAllItems(QWidget* owner = nullptr);
    bool IsControlSupported(QWidget* control) const;
    void AddNewItem(QWidget* control, const QString& skinSection);
    // Drops items whose controls no longer exist.
    void CleanItems();

private:
    void Walk(QWidget* container);
    bool walking_ = false;
};

}  // namespace tornivex
