#include "LoadedInternalSkins.h"

#include "InternalSkins.h"
#include "SkinDialogs.h"
#include "SkinPackage.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace tornivex::testing {
namespace {

class FailingDialogs : public ISkinDialogs {
public:
    void ShowError(const QString& text, const QString&) override { ADD_FAILURE() << qPrintable(text); }
    void ShowMessage(const QString& text) override { ADD_FAILURE() << qPrintable(text); }
    void ShowWarning(const QString& text) override { ADD_FAILURE() << qPrintable(text); }
};

} // namespace

const TsSkinManager& ManagerWithSkin(const QString& skinName) {
    static FailingDialogs dialogs;
    static std::map<QString, std::unique_ptr<TsSkinManager>> managers;
    auto& slot = managers[skinName];
    if (!slot) {
        SetSkinDialogs(&dialogs);
        slot = std::make_unique<TsSkinManager>();
        slot->BeginLoading();
        AddInternalSkins(slot->InternalSkins());
        slot->SetSkinName(skinName);
        slot->Loaded();
    }
    return *slot;
}

QByteArray PackedOptionsText(const QString& skinName) {
    for (const InternalSkinPackage& skin : InternalSkinPackages()) {
        if (skin.Name != skinName) continue;
        TacSkinConvertor convertor;
        if (ReadSkinPackage(convertor, skin.Data) && convertor.Options) return *convertor.Options;
    }
    ADD_FAILURE() << "no options text in " << qPrintable(skinName);
    return {};
}

} // namespace tornivex::testing
