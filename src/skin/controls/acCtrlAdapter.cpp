#include "acCtrlAdapter.h"

#include <algorithm>

#include "TLabel.h"
#include "sLabel.h"
#include "sSkinProvider.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {
namespace {

const TacThirdPartyLists* ListsOf(const TsSkinProvider* provider) {
    const TsSkinManager* manager = provider->SkinData().SkinManager();
    return manager ? &manager->ThirdParty : nullptr;
}

bool InLists(const TacThirdPartyLists& lists, const QString& className, int* kind = nullptr) {
    for (int k = 0; k < ThirdPartyListCount; ++k) {
        if (lists.Lists[static_cast<std::size_t>(k)].contains(className)) {
            if (kind) *kind = k;
            return true;
        }
    }
    return false;
}

}  // namespace

QString ControlClassName(const QObject* control) {
    const QString name = QString::fromLatin1(control->metaObject()->className());
    const qsizetype colons = name.lastIndexOf(QStringLiteral("::"));
    return colons < 0 ? name : name.mid(colons + 2);
}

bool TacAdapterItem::DoHook(QWidget* control, const QString& skinSection) {
    const TacThirdPartyLists* lists = Adapter ? ListsOf(Adapter->Provider) : nullptr;
    WinCtrl = control;
    SkinSection = skinSection;
    // The subclassing classes behind the lists paint controls of the skin periphery; with the
    // program's lists none is ever chosen, so the item only records its kind.
    return lists && InLists(*lists, ControlClassName(control), &Kind);
}

void TacCtrlAdapter::CleanItems() {
    Items.erase(std::remove_if(Items.begin(), Items.end(), [](const TacAdapterItem& i) { return !i.WinCtrl; }),
                Items.end());
}

namespace {

// Plain labels: the platform's own, not the skinned label classes (those paint themselves).
bool IsPlainLabel(const QWidget* control) {
    return qobject_cast<const platform::TLabel*>(control) && !qobject_cast<const TsCustomLabel*>(control);
}

}  // namespace

bool TacCtrlAdapter::IsControlSupported(QWidget* control) const {
    if (!control || (TagOf(control) & acNoSkinTag)) return false;
    if (control->isWindow()) return false;  // dialogs of a form are forms of their own
    if (qobject_cast<TsCustomLabel*>(control)) return false;  // skins itself
    const bool isLabel = IsPlainLabel(control);
    if (!isLabel && SendSkinCommand(control, scIsSkinned) != 0) return false;
    bool canBeAdded = true;
    QString section;
    if (OnSkinItem) OnSkinItem(control, canBeAdded, section);
    if (!canBeAdded) return false;
    if (isLabel) return true;
    const TacThirdPartyLists* lists = ListsOf(Provider);
    return lists && InLists(*lists, ControlClassName(control));
}

void TacCtrlAdapter::AddNewItem(QWidget* control, const QString& skinSection) {
    auto found = std::find_if(Items.begin(), Items.end(), [control](const TacAdapterItem& i) { return i.WinCtrl == control; });
    if (found == Items.end()) {
        Items.push_back(TacAdapterItem{this, control, -1, {}});
        found = Items.end() - 1;
    }
    found->DoHook(control, skinSection);
}

void TacCtrlAdapter::AddAllItems(QWidget* owner) {
    const TsSkinManager* manager = Provider->SkinData().SkinManager();
    if (!Provider->AllowSkin3rdParty || !manager || !(manager->SkinningRules & srThirdParty)) return;
    if (walking_ || !Provider->Skinned()) return;
    walking_ = true;
    CleanItems();
    Walk(owner ? owner : Provider->Form());
    walking_ = false;
}

void TacCtrlAdapter::Walk(QWidget* container) {
    const QObjectList children = container->children();
    for (QObject* child : children) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow()) continue;
        if (IsControlSupported(control)) {
            if (IsPlainLabel(control)) Provider->InitLabel(control, true);
            else AddNewItem(control, {});
            continue;
        }
        // Containers that do not skin themselves are walked for their own children.
        if (!(TagOf(control) & acNoSkinTag) && SendSkinCommand(control, scIsSkinned) == 0) Walk(control);
    }
}

}  // namespace tornivex
