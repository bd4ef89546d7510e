#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMultiHash>
#include <QTemporaryDir>

#include "RecordingDialogs.h"
#include "SkinCommand.h"
#include "SkinDirectory.h"
#include "SkinEngine.h"
#include "SkinManagerHost.h"
#include "TestSkin.h"
#include "sSkinManager.h"

namespace tornivex {
namespace {

// Records the commands a manager broadcasts and the form locking around them.
class RecordingHost final : public ISkinManagerHost {
public:
    RecordingHost() { SetSkinManagerHost(this); }
    ~RecordingHost() override { SetSkinManagerHost(nullptr); }
    void Broadcast(TsSkinManager&, int command, std::intptr_t lparam) override {
        events.push_back(command);
        if (command == scSetNewSkin) loadingDuringApply = IsSkinLoading() && IsSkinApplying();
        if (command == scUpdateSection) updatedSection = *reinterpret_cast<const QString*>(lparam);
    }
    void LockForms(TsSkinManager&) override { events.push_back(-1); }
    void UnlockForms(TsSkinManager&, bool fade) override {
        events.push_back(-2);
        fades.push_back(fade);
    }
    void RedrawDialogs(TsSkinManager&) override {}
    // Hot tracking and the registered windows are the host's: it only records what it is asked.
    void SetActiveControl(TsSkinManager& m, QObject* window) override { hot[&m] = window; }
    void SetActiveGraphControl(TsSkinManager& m, QObject* control) override { graphic[&m] = control; }
    QObject* ActiveControl(const TsSkinManager& m) const override { return hot.value(&m); }
    QObject* ActiveGraphControl(const TsSkinManager& m) const override { return graphic.value(&m); }
    void RegisterWindow(TsSkinManager& m, QObject* window) override { registered.insert(&m, window); }
    void UnregisterWindow(TsSkinManager& m, QObject* window) override { registered.remove(&m, window); }

    std::vector<int> events;
    std::vector<bool> fades;
    bool loadingDuringApply = false;
    QString updatedSection;
    QHash<const TsSkinManager*, QObject*> hot, graphic;
    QMultiHash<const TsSkinManager*, QObject*> registered;
};

const QString Topaz = "Topaz (internal)";
const QString Aluminium = "Aluminium (internal)";

class SkinManagerTest : public ::testing::Test {
protected:
    SkinManagerTest() {
        manager.InternalSkins().Add(Topaz, testing::TestSkinPackage(testing::TestOptionsText().replace("AUTHOR=Tester", "AUTHOR=Topaz")));
        manager.InternalSkins().Add(Aluminium, testing::TestSkinPackage());
    }
    // As the main window streams the manager: skins first, then the name, then Loaded.
    void StartUp(const QString& name = Aluminium) {
        manager.BeginLoading();
        manager.SetSkinName(name);
        manager.Loaded();
    }
    testing::RecordingDialogs dialogs;
    RecordingHost host;
    TsSkinManager manager;
};

TEST_F(SkinManagerTest, ValuesAfterConstruction) {
    EXPECT_TRUE(manager.Active());
    EXPECT_EQ(manager.SkinDirectory(), DefaultSkinDirectory());
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_EQ(TsSkinManager::Version(), "10.15");
    EXPECT_TRUE(manager.IsDefault());
    EXPECT_EQ(DefaultManager(), &manager);
    EXPECT_FALSE(manager.CommonSkinData().Active);
    EXPECT_EQ(manager.ConstData().Sections[ssButton], -1);
    EXPECT_TRUE(manager.AnimEffects.SkinChanging.Active);
    EXPECT_EQ(manager.AnimEffects.SkinChanging.Time, 100);
    EXPECT_EQ(manager.ScrollsOptions().ScrollSize, -1);
    EXPECT_EQ(manager.ScrollBarWidth(), 17);
    EXPECT_EQ(manager.ThirdParty.ThirdButtons(), QStringList{"TButton"});
    TsSkinManager second;
    EXPECT_FALSE(second.IsDefault());
}

TEST_F(SkinManagerTest, StartUpLoadsWhileStreamingAndAppliesOnLoaded) {
    manager.BeginLoading();
    manager.SetSkinName(Aluminium);
    EXPECT_TRUE(host.events.empty()); // application deferred while the window loads
    EXPECT_FALSE(manager.CommonSkinData().Active);
    manager.Loaded();
    EXPECT_EQ(host.events, (std::vector<int>{scSetNewSkin})); // applied without repaint
    EXPECT_TRUE(manager.CommonSkinData().Active);
    EXPECT_EQ(manager.SkinName(), Aluminium);
    EXPECT_TRUE(manager.SkinIsPacked());
    EXPECT_TRUE(manager.CommonSkinData().SkinPath.isEmpty());
    EXPECT_EQ(manager.SkinInfo(), "8");
    EXPECT_EQ(manager.CommonSkinData().ExTitleHeight, 26);
    EXPECT_EQ(manager.GetSkinIndex("TRANSPARENT"), testing::TestSkinSectionCount);
    EXPECT_EQ(manager.GetSkinIndex("button"), -1);
    EXPECT_EQ(manager.CommonSkinData().Author, "Tester");
    EXPECT_EQ(manager.MenuSupport.IcoLineSkin, "ICOLINE");
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SkinManagerTest, ChangingTheSkinAppliesRepaintsAndUnlocks) {
    StartUp();
    host.events.clear();
    manager.SetSkinName(Topaz);
    EXPECT_EQ(host.events, (std::vector<int>{-1, scSetNewSkin, scStopAnimation, scRefresh, -2}));
    EXPECT_TRUE(host.loadingDuringApply);
    EXPECT_FALSE(IsSkinLoading());
    EXPECT_EQ(manager.CommonSkinData().Author, "Topaz");
}

TEST_F(SkinManagerTest, NameResolution) {
    StartUp();
    manager.SetSkinName(Aluminium + ".ASZ");
    EXPECT_EQ(manager.SkinName(), Aluminium);
    manager.SetSkinName("No such skin");
    EXPECT_EQ(manager.SkinName(), Topaz);
    EXPECT_EQ(manager.CommonSkinData().Author, "Topaz");
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(StripAszSuffix("a.asz"), "a");
    EXPECT_EQ(StripAszSuffix(".asz"), ".asz");
}

TEST_F(SkinManagerTest, FailedLoadKeepsThePreviousSkinAndReportsIt) {
    StartUp();
    const TBitmap32Ptr master = manager.MasterBitmap();
    const std::size_t rows = manager.ma().size();
    manager.InternalSkins().Add("Broken", testing::TestSkinPackage(
        testing::TestOptionsText("[BAD]\nBORDERSMASK=^0152^0030^0206^0056^0008^00x8^0009^0004^3^1^1^1\n")));
    manager.InternalSkins().Add("Empty", QByteArray());
    manager.InternalSkins().Add("NoOptions", WriteSkinPackage({{"Master.bmp", "x"}}));
    QByteArray wrongMagic = testing::TestSkinPackage();
    wrongMagic[3] = 'g';
    manager.InternalSkins().Add("WrongMagic", wrongMagic);
    QByteArray truncated = testing::TestSkinPackage();
    truncated.chop(10);
    manager.InternalSkins().Add("Truncated", truncated);

    for (const char* name : {"Broken", "Empty", "NoOptions", "WrongMagic", "Truncated"}) {
        dialogs.errors.clear();
        dialogs.errorCaptions.clear();
        host.events.clear();
        manager.SetSkinName(name);
        EXPECT_EQ(manager.SkinName(), Aluminium) << name;
        EXPECT_TRUE(manager.Active()) << name;
        EXPECT_EQ(manager.MasterBitmap(), master) << name;
        EXPECT_EQ(manager.ma().size(), rows) << name;
        EXPECT_EQ(manager.SkinInfo(), "8");
        ASSERT_FALSE(dialogs.errors.isEmpty()) << name;
        EXPECT_EQ(dialogs.errorCaptions.last(), "Error") << name;
        EXPECT_EQ(host.events.at(1), scSetNewSkin) << name; // the kept skin is applied again
    }
    EXPECT_EQ(manager.SkinningRules, AllSkinningRules);
}

TEST_F(SkinManagerTest, WrongMagicBoxIsShownUnskinned) {
    StartUp();
    manager.Options.ChangeSysColors = true;
    QByteArray wrongMagic = testing::TestSkinPackage();
    wrongMagic[3] = 'X';
    manager.InternalSkins().Add("WrongMagic", wrongMagic);
    std::vector<std::pair<TacSkinningRules, bool>> seen;
    dialogs.onError = [&] { seen.emplace_back(manager.SkinningRules, manager.Options.ChangeSysColors); };
    manager.SetSkinName("WrongMagic");
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_EQ(dialogs.errors[0], "Loaded data is not a packed Vantreo file");
    EXPECT_EQ(seen[0], std::make_pair(TacSkinningRules(srStdForms | srThirdParty), false));
    EXPECT_EQ(dialogs.errorCaptions[1], "Error");
    EXPECT_EQ(manager.SkinningRules, AllSkinningRules);
    EXPECT_TRUE(manager.Options.ChangeSysColors);
}

TEST_F(SkinManagerTest, NoInternalSkinsMakesTheManagerInactive) {
    TsSkinManager bare;
    host.events.clear();
    bare.SetSkinName("Anything");
    EXPECT_FALSE(bare.Active());
    EXPECT_EQ(host.events, (std::vector<int>{scRemoveSkin}));
    EXPECT_EQ(bare.SkinInfo(), "N/A");
}

TEST_F(SkinManagerTest, DeactivatingRemovesTheSkin) {
    StartUp();
    host.events.clear();
    manager.SetActive(false);
    EXPECT_EQ(host.events, (std::vector<int>{scRemoveSkin}));
    EXPECT_TRUE(manager.gd().empty());
    EXPECT_FALSE(manager.MasterBitmap());
    EXPECT_EQ(manager.ConstData().Sections[ssButton], -1);
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    manager.SetActive(true);
    EXPECT_EQ(manager.SkinInfo(), "8");
    EXPECT_TRUE(manager.CommonSkinData().Active);
}

TEST_F(SkinManagerTest, EventsOfASkinChangeInOrder) {
    StartUp();
    std::vector<std::string> events;
    QObject::connect(&manager, &TsSkinManager::OnBeforeChange, [&] { events.push_back("before"); });
    QObject::connect(&manager, &TsSkinManager::OnSkinLoading, [&] { events.push_back("loading"); });
    QObject::connect(&manager, &TsSkinManager::OnActivate, [&] { events.push_back("activate"); });
    QObject::connect(&manager, &TsSkinManager::OnAfterChange, [&] { events.push_back("after"); });
    manager.SetSkinName(Topaz);
    EXPECT_EQ(events, (std::vector<std::string>{"before", "loading", "activate", "after"}));
}

TEST_F(SkinManagerTest, CommonSectionsOverrideTheSkinsSections) {
    StartUp();
    manager.SetCommonSections("[BUTTON]\nSTATES = 1\n; keep = this\n[EXTRA]\nPARENTCLASS=BUTTON\n");
    EXPECT_EQ(manager.CommonSections(), "[BUTTON]\nSTATES=1\n; keep = this\n[EXTRA]\nPARENTCLASS=BUTTON\n");
    const int button = manager.GetSkinIndex("BUTTON");
    EXPECT_EQ(manager.gd()[std::size_t(button)].States, 1);
    const int extra = manager.GetSkinIndex("EXTRA");
    ASSERT_GE(extra, 0);
    EXPECT_EQ(manager.gd()[std::size_t(extra)].Props[0].Color, 16773594);
    EXPECT_EQ(manager.gd()[std::size_t(extra)].BorderIndex, manager.gd()[std::size_t(button)].BorderIndex);
}

TEST_F(SkinManagerTest, AdjustmentsReloadAndBrightnessIsClamped) {
    StartUp();
    manager.SetBrightness(150);
    EXPECT_EQ(manager.Brightness(), 100);
    EXPECT_EQ(manager.MasterBitmap()->Pixel(0, 0), 0xFFFFFFFFu);
    manager.SetBrightness(0);
    EXPECT_EQ(manager.MasterBitmap()->Pixel(0, 0), 0xFF808080u);
}

TEST_F(SkinManagerTest, EndUpdateWithoutAnimationLeavesTheFadeSetting) {
    StartUp();
    manager.BeginUpdate();
    EXPECT_TRUE(manager.NoAutoUpdate());
    host.events.clear();
    manager.EndUpdate(true, false);
    EXPECT_FALSE(manager.NoAutoUpdate());
    EXPECT_EQ(host.fades, (std::vector<bool>{false}));
    EXPECT_TRUE(manager.AnimEffects.SkinChanging.Active);
    host.fades.clear();
    manager.RepaintForms(false);
    EXPECT_EQ(host.fades, (std::vector<bool>{true}));
}

TEST_F(SkinManagerTest, HighlightColoursAndSectionList) {
    StartUp();
    EXPECT_EQ(manager.GetHighLightColor(true), 300);
    EXPECT_EQ(manager.GetHighLightColor(false), 100);
    EXPECT_EQ(manager.GetHighLightFontColor(true), 400);
    EXPECT_EQ(manager.GetGlobalColor(), 13353918);
    EXPECT_EQ(manager.GetActiveEditColor(), 15921906);
    EXPECT_EQ(manager.GetSkinSections().first(), "GLOBALINFO");
    EXPECT_EQ(manager.GetSkinSections().last(), "TRANSPARENT");
}

TEST_F(SkinManagerTest, HotTrackingAndRegisteredWindowsAreKeptByTheHost) {
    QObject window, control, extra;
    TsSkinManager second;
    manager.SetActiveControl(&window);
    second.SetActiveGraphControl(&control);
    manager.RegisterWindow(&extra);
    EXPECT_EQ(manager.ActiveControl(), &window);
    EXPECT_EQ(manager.ActiveGraphControl(), nullptr);
    EXPECT_EQ(second.ActiveGraphControl(), &control);
    EXPECT_EQ(host.registered.values(&manager), QList<QObject*>{&extra});
    manager.UnregisterWindow(&extra);
    EXPECT_TRUE(host.registered.isEmpty());

    SetSkinManagerHost(nullptr); // no host: nothing is hot, nothing to register with
    EXPECT_EQ(manager.ActiveControl(), nullptr);
    manager.SetActiveControl(&window);
    manager.RegisterWindow(&extra);
    SetSkinManagerHost(&host);
    EXPECT_TRUE(host.registered.isEmpty());
}

TEST_F(SkinManagerTest, SectionUpdatesAreBroadcastUpperCased) {
    StartUp();
    host.events.clear();
    manager.UpdateSkinSection("button");
    EXPECT_EQ(host.events, std::vector<int>{scUpdateSection});
    EXPECT_EQ(host.updatedSection, "BUTTON");
}

TEST_F(SkinManagerTest, ExternalPackageAndDirectorySkinsWinOverInternalOnes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile package(dir.filePath("Aluminium (internal).asz"));
    ASSERT_TRUE(package.open(QIODevice::WriteOnly));
    package.write(testing::TestSkinPackage(testing::TestOptionsText().replace("AUTHOR=Tester", "AUTHOR=File")));
    package.close();
    QDir(dir.path()).mkdir("Unpacked");
    for (const TSkinPackageEntry& e : testing::TestSkinEntries(testing::TestOptionsText().replace("AUTHOR=Tester", "AUTHOR=Dir"))) {
        QFile f(dir.filePath("Unpacked/" + e.Name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(e.Data);
    }
    manager.SetSkinDirectory(dir.path());
    StartUp();
    EXPECT_EQ(manager.CommonSkinData().Author, "File");
    EXPECT_TRUE(manager.SkinIsPacked());
    manager.SetSkinName("Unpacked");
    EXPECT_EQ(manager.CommonSkinData().Author, "Dir");
    EXPECT_FALSE(manager.SkinIsPacked());
    EXPECT_EQ(manager.CommonSkinData().SkinPath, WithTrailingSeparator(dir.path()) + "Unpacked/");
    EXPECT_GE(manager.ConstData().ExBorder, 0); // "XB.PNG" found as "Xb.png" beside the options
    EXPECT_EQ(manager.GetSkinNames(), (QStringList{Aluminium, Aluminium, Topaz, "Unpacked"}));
    EXPECT_EQ(manager.GetExternalSkinNames(stPacked), QStringList{Aluminium});
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SkinManagerTest, ExtractingInternalSkins) {
    QTemporaryDir dir;
    manager.ExtractInternalSkin(Topaz, dir.path());
    QFile out(dir.filePath(Topaz + " extracted.asz"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), manager.InternalSkins()[0].PackedData);
    manager.ExtractInternalSkin("Nope", dir.path());
    manager.ExtractInternalSkin(Topaz, dir.filePath("missing"));
    EXPECT_EQ(dialogs.errors, (QStringList{"Skin does not exists.", "Directory does not exists."}));
    manager.ExtractByIndex(1, dir.filePath("made/here"));
    EXPECT_TRUE(QFile::exists(dir.filePath("made/here/" + Aluminium + " extracted.asz")));
}

TEST(SkinDirectory, FullSkinDirectoryRules) {
    EXPECT_EQ(FullSkinDirectory("..\\Skins", "/opt/app/bin"), "/opt/app/Skins/");
    EXPECT_EQ(FullSkinDirectory(".", "/opt/app/bin"), "/opt/app/bin/");
    EXPECT_EQ(FullSkinDirectory("./Skins", "/opt/app/bin"), "/opt/app/bin/Skins/");
    EXPECT_EQ(FullSkinDirectory("Skins", "/opt/app/bin"), "/opt/app/bin/Skins/");
    EXPECT_EQ(FullSkinDirectory("/srv/skins/", "/opt/app/bin"), "/srv/skins/");
    EXPECT_EQ(FullSkinDirectory("c:\\Skins", "/opt/app/bin"), "c:/Skins/");
}

TEST(SkinEngine, AcverSwitchShowsTheVersionOnce) {
    testing::RecordingDialogs dialogs;
    SkinEngineStartup({"prog", "/ACVER", "/acver"});
    EXPECT_EQ(dialogs.messages, QStringList{"Quillmark v10.15"});
    SkinEngineStartup({"prog", "acver"});
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST(StoredSkins, DefaultsCopyAndIndexOf) {
    TsStoredSkins skins;
    TsStoredSkin& a = skins.Add("A", "bytes");
    EXPECT_EQ(a.Shadow1Blur, -1);
    EXPECT_EQ(a.BorderColor, clFuchsia);
    a.MasterBitmap = NewBitmap32(2, 2);
    a.Author = "me";
    TsStoredSkin copy;
    copy = a;
    EXPECT_EQ(copy.PackedData, "bytes");
    EXPECT_EQ(copy.Author, "me");
    EXPECT_NE(copy.MasterBitmap, a.MasterBitmap);
    EXPECT_EQ(*copy.MasterBitmap, *a.MasterBitmap);
    skins.Add("a", "");
    EXPECT_EQ(skins.IndexOf("a"), 1);
    EXPECT_EQ(skins.IndexOf("A"), 0);
    EXPECT_EQ(skins.IndexOf("b"), -1);
}

} // namespace
} // namespace tornivex
