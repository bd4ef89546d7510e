// What a skin may not do to the program: read files outside its own folder, depend on the working
// directory, or leave the previous skin lost, the engine marked as loading or forms locked when a
// load or its application fails in any way.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <new>
#include <stdexcept>

#include "SkinCommand.h"
#include "SkinDialogs.h"
#include "SkinDirectory.h"
#include "SkinEngine.h"
#include "SkinError.h"
#include "SkinLoader.h"
#include "SkinManagerHost.h"
#include "TestSkin.h"
#include "sSkinManager.h"

namespace tornivex {
namespace {

// Records locking and commands; throws from the broadcast of one command when asked.
class FaultyHost final : public ISkinManagerHost {
public:
    FaultyHost() { SetSkinManagerHost(this); }
    ~FaultyHost() override { SetSkinManagerHost(nullptr); }
    void Broadcast(TsSkinManager&, int command, std::intptr_t) override {
        events.push_back(command);
        if (command == throwOn) throw std::runtime_error("a receiver failed");
    }
    void LockForms(TsSkinManager&) override { events.push_back(-1); }
    void UnlockForms(TsSkinManager&, bool) override { events.push_back(-2); }
    void RedrawDialogs(TsSkinManager&) override {}
    void SetActiveControl(TsSkinManager&, QObject*) override {}
    void SetActiveGraphControl(TsSkinManager&, QObject*) override {}
    QObject* ActiveControl(const TsSkinManager&) const override { return nullptr; }
    QObject* ActiveGraphControl(const TsSkinManager&) const override { return nullptr; }
    void RegisterWindow(TsSkinManager&, QObject*) override {}
    void UnregisterWindow(TsSkinManager&, QObject*) override {}
    std::vector<int> events;
    int throwOn = -100;
};

// Records error boxes; the old-version notice, shown in the middle of a load, throws `fault`.
class FaultyDialogs final : public ISkinDialogs {
public:
    FaultyDialogs() : previous_(SetSkinDialogs(this)) {}
    ~FaultyDialogs() override { SetSkinDialogs(previous_); }
    void ShowError(const QString& text, const QString&) override { errors << text; }
    void ShowMessage(const QString&) override {
        if (fault) fault();
    }
    void ShowWarning(const QString&) override {}
    QStringList errors;
    void (*fault)() = nullptr;

private:
    ISkinDialogs* previous_;
};

class SkinManagerSafety : public ::testing::Test {
protected:
    SkinManagerSafety() {
        manager.InternalSkins().Add("Good", testing::TestSkinPackage());
        manager.InternalSkins().Add("Old", testing::TestSkinPackage(
                                              testing::TestOptionsText().replace("VERSION=8.00", "VERSION=7.00")
                                                  .replace("AUTHOR=Tester", "AUTHOR=Old")));
        manager.InternalSkins().Add("Other", testing::TestSkinPackage(
                                                testing::TestOptionsText().replace("AUTHOR=Tester", "AUTHOR=Other")));
        manager.BeginLoading();
        manager.SetSkinName("Good");
        manager.Loaded();
        host.events.clear();
    }
    FaultyDialogs dialogs;
    FaultyHost host;
    TsSkinManager manager;
};

TEST_F(SkinManagerSafety, AnyFailureOfALoadKeepsThePreviousSkinAndUnlocks) {
    const TBitmap32Ptr master = manager.MasterBitmap();
    struct Fault {
        void (*raise)();
        const char* message;
    };
    const Fault faults[] = {
        {[] { throw std::bad_alloc(); }, "There is not enough memory to load the skin \"Old\"."},
        {[] { throw std::runtime_error("disk on fire"); }, "The skin \"Old\" cannot be loaded: disk on fire"},
    };
    for (const Fault& fault : faults) {
        dialogs.fault = fault.raise;
        dialogs.errors.clear();
        host.events.clear();
        EXPECT_NO_THROW(manager.SetSkinName("Old")) << fault.message;
        EXPECT_EQ(dialogs.errors, QStringList{fault.message});
        EXPECT_EQ(manager.SkinName(), "Good");
        EXPECT_EQ(manager.CommonSkinData().Author, "Tester");
        EXPECT_EQ(manager.MasterBitmap(), master);
        EXPECT_FALSE(IsSkinLoading());
        EXPECT_EQ(host.events, (std::vector<int>{-1, scSetNewSkin, scStopAnimation, scRefresh, -2}));
    }
    dialogs.fault = nullptr;
    manager.SetSkinName("Other");  // the manager goes on working
    EXPECT_EQ(manager.CommonSkinData().Author, "Other");
}

TEST_F(SkinManagerSafety, AReceiverThatThrowsLeavesNoFormLockedAndNoMarkSet) {
    for (const int command : {int(scSetNewSkin), int(scRefresh)}) {
        host.events.clear();
        host.throwOn = command;
        EXPECT_THROW(manager.SetSkinName("Other"), std::runtime_error) << command;
        ASSERT_FALSE(host.events.empty());
        EXPECT_EQ(host.events.front(), -1) << command;
        EXPECT_EQ(host.events.back(), -2) << command;
        EXPECT_FALSE(IsSkinLoading()) << command;
        EXPECT_FALSE(IsSkinApplying()) << command;
    }
    host.throwOn = -100;
    host.events.clear();
    manager.RepaintForms();
    EXPECT_EQ(host.events, (std::vector<int>{scStopAnimation, -1, scRefresh, -2}));
}

TEST(SkinFolder, TheDefaultIsTheUsersDataFolderWhateverTheWorkingDirectory) {
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/skins";
    ASSERT_NE(expected, "/skins");
    const QString previous = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    TsSkinManager manager;
    EXPECT_EQ(manager.SkinDirectory(), expected);
    EXPECT_EQ(FullSkinDirectory(manager.SkinDirectory()), expected + "/");
    QDir::setCurrent(previous);
}

// An unpacked skin in `dir`/Skin whose options text names `value` under [X] KEY.
class SkinFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("Skin"));
        skinPath = dir.filePath("Skin") + "/";
        for (const TSkinPackageEntry& e : testing::TestSkinEntries()) Write(skinPath + e.Name, e.Data);
        // A readable image right beside the skin's folder.
        Write(dir.filePath("SECRET.PNG"), testing::EncodeImage(testing::TestGlowImage(), "PNG"));
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    TLoadedSkin Load(const QByteArray& extra) {
        return TSkinLoader(TSkinOptions::Parse(testing::TestOptionsText(extra)), TSkinImageSource{nullptr, skinPath}, {})
            .Load();
    }
    std::string LoadError(const QByteArray& extra) {
        try {
            Load(extra);
        } catch (const ESkinError& e) {
            return e.Message().toStdString();
        }
        return "loaded";
    }
    QTemporaryDir dir;
    QString skinPath;
};

TEST_F(SkinFiles, NamesThatLeaveTheSkinsFolderAreRefusedWithAMessage) {
    const QString outside = dir.filePath("SECRET.PNG");
    ASSERT_TRUE(QFile::link(outside, skinPath + "LINK.PNG"));
    QList<QByteArray> names = {"../SECRET.PNG", "..\\SECRET.PNG", outside.toUpper().toUtf8(), "SUB/../../SECRET.PNG"};
    // Windows makes a shortcut file, which reading does not follow.
    if (QFileInfo(skinPath + "LINK.PNG").isSymbolicLink()) names << "LINK.PNG";
    for (const QByteArray& name : names) {
        const std::string error = LoadError("[X]\nKEY=!" + name + "!1!0!3\n");
        EXPECT_NE(error.find("[X] KEY leaves the skin's folder"), std::string::npos) << name.constData() << ": " << error;
    }
    EXPECT_NE(LoadError("[X]\nKEY=~0000~0000~0010~0010~00~0~../SECRET.PNG\n").find("leaves the skin's folder"),
              std::string::npos);
    // Inside the folder, in any letter case, and a missing file is no error.
    const TLoadedSkin skin = Load("[X]\nKEY=!XB.PNG!1!0!3\nGONE=!NOTHERE.PNG!1!0!3\n");
    EXPECT_GE(skin.GetMaskIndex("X", "KEY"), 0);
    EXPECT_EQ(skin.GetMaskIndex("X", "GONE"), -1);
}

TEST_F(SkinFiles, TheMasterImageStaysInsideTheFolderToo) {
    QByteArray options = testing::TestOptionsText();
    options.replace("MASTERBITMAP=MASTER.BMP", "MASTERBITMAP=../MASTER.BMP");
    ASSERT_TRUE(options.contains("../MASTER.BMP"));
    try {
        TSkinLoader(TSkinOptions::Parse(options), TSkinImageSource{nullptr, skinPath}, {}).Load();
        FAIL();
    } catch (const ESkinError& e) {
        EXPECT_TRUE(e.Message().contains("[GLOBALINFO] MASTERBITMAP leaves the skin's folder")) << e.what();
    }
}

}  // namespace
}  // namespace tornivex
