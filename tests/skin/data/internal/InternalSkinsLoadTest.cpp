// The program's own two skins, as embedded: unpacking and a complete load by the manager.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "InternalSkins.h"
#include "../RecordingDialogs.h"
#include "skin/data/SkinCommonData.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {
namespace {

const QString Topaz = "Topaz (internal)";
const QString Aluminium = "Aluminium (internal)";

std::vector<QString> EntryNames(const TacSkinConvertor& c) {
    std::vector<QString> names;
    for (const TacImageItem& item : c.Files) names.push_back(item.FileName);
    return names;
}

TEST(InternalSkins, PackagesHoldExactlyTheirEntriesAndEndAtTheLastStream) {
    const std::vector<InternalSkinPackage> packages = InternalSkinPackages();
    ASSERT_EQ(packages.size(), 2u);
    EXPECT_EQ(packages[0].Name, Topaz);
    EXPECT_EQ(packages[1].Name, Aluminium);
    const std::vector<std::vector<QString>> expected = {
        {"ButtonHuge.bmp", "Corner.bmp", "Master.bmp", "Glow.png", "GlowCAlone.png", "GlowClose.png",
         "GlowH.png", "GlowMax.png", "GlowMin.png", "GlowNorm.png"},
        {"Huge.bmp", "Master.bmp", "Xb.png"}};
    for (std::size_t i = 0; i < packages.size(); ++i) {
        TacSkinConvertor convertor;
        ASSERT_TRUE(ReadSkinPackage(convertor, packages[i].Data));
        EXPECT_TRUE(convertor.Options.has_value());
        EXPECT_EQ(EntryNames(convertor), expected[i]);
        EXPECT_EQ(convertor.ConsumedBytes, packages[i].Data.size());
        // The first entry is the options text, stored with the maximum-compression header.
        const qsizetype stream = 8 + 4 + 11 + 4;
        EXPECT_EQ(uchar(packages[i].Data[stream]), 0x78);
        EXPECT_EQ(uchar(packages[i].Data[stream + 1]), 0xDA);
    }
}

class InternalSkinsManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const InternalSkinPackage& p : InternalSkinPackages()) manager.InternalSkins().Add(p.Name, p.Data);
        manager.BeginLoading();
        manager.SetSkinName(Aluminium);
        manager.Loaded();
    }
    testing::RecordingDialogs dialogs;
    TsSkinManager manager;
};

TEST_F(InternalSkinsManagerTest, StartUpStateWithTheActiveSkin) {
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinName(), Aluminium);
    EXPECT_TRUE(manager.SkinIsPacked());
    EXPECT_TRUE(manager.CommonSkinData().SkinPath.isEmpty());
    EXPECT_EQ(manager.SkinInfo(), "8");
    EXPECT_EQ(manager.CommonSkinData().ExTitleHeight, 26);
    EXPECT_EQ(manager.GetSkinIndex("TRANSPARENT"), 71);
    EXPECT_EQ(manager.gd().size(), 72u);
    EXPECT_EQ(manager.GetSkinIndex("button"), -1);
    ASSERT_TRUE(manager.MasterBitmap());
    EXPECT_FALSE(manager.MasterBitmap()->Empty());
    EXPECT_GE(manager.GetSkinIndex("BUTTON"), 0);
    EXPECT_EQ(manager.ConstData().Sections[ssButton], manager.GetSkinIndex("BUTTON"));
    EXPECT_EQ(manager.ConstData().MaskCloseAloneBtn, -1);
    EXPECT_EQ(manager.ConstData().MaskHelpSmall, -1);
}

TEST_F(InternalSkinsManagerTest, EverySectionLooksUpByNameAndBothSkinsLoad) {
    for (const char* name : {"GLOBALINFO", "FORM", "FORMTITLE", "BUTTON", "EDIT", "SELECTION", "MENUITEM",
                             "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLSLIDERH", "SCROLLSLIDERV", "SCROLLBTNLEFT",
                             "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM", "WEBBUTTON", "CHECKBOX"})
        EXPECT_GE(manager.GetSkinIndex(name), 0) << name;
    manager.SetSkinName("No such skin");
    EXPECT_EQ(manager.SkinName(), Topaz);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_GE(manager.GetSkinIndex("BUTTON"), 0);
}

} // namespace
} // namespace tornivex
