// Choosing a skin: the window menu, the remembered choice, --skin, and live reload of a folder.
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "CommandLine.h"
#include "RememberedSkin.h"
#include "ResultCopy.h"
#include "SkinControl.h"
#include "SkinSource.h"
#include "WindowPlacement.h"
#include "WindowTestSupport.h"
#include "sSkinManager.h"
#include "sSkinProvider.h"

namespace tornivex::testing {
namespace {

struct Windows {
    QImage main, about;
};

class SkinChoiceTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(temp.isValid());
        QApplication::setCursorFlashTime(0);  // a blinking caret would differ between grabs
        settings = std::make_unique<QSettings>(temp.filePath("settings.ini"), QSettings::IniFormat);
        control = new TSkinControl(*form1, *settings, temp.filePath("skins"));
    }

    // The user's state both windows carry: texts, results, focus, About shown beside.
    static void PrepareWindows(TForm1& main, TForm2& about) {
        CenterOnDesktop(&main);
        main.show();
        about.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        main.edR1->SetText(QStringLiteral("90"));
        QTest::mouseClick(main.sButton1, Qt::LeftButton);
        main.edMicro->setFocus();
        QCoreApplication::processEvents();
    }

    static Windows Grab(TForm1& main, TForm2& about) { return {main.grab().toImage(), about.grab().toImage()}; }

    // Both windows built anew, as a start with `spec` ("" for --no-skin, nothing for the
    // remembered choice) builds them.
    void Restart(const std::optional<QString>& spec) {
        form2.reset();
        form1.reset();
        form1 = std::make_unique<TForm1>();
        form2 = std::make_unique<TForm2>(form1.get());
        form1->SetAboutDialog([this] { return form2.get(); });
        control = new TSkinControl(*form1, *settings, temp.filePath("skins"));
        const bool noSkin = spec && spec->isEmpty();
        EXPECT_EQ(control->Start(noSkin ? std::nullopt : spec, noSkin, false), QString());
    }

    // The last result line with the background under it: what a skin's text colour and form
    // show, apart from the window's active state, which the offscreen platform gives the
    // failure message although it asks not to be activated.
    QImage ResultLine() const {
        return form1->grab(QRect(form1->Label13->mapTo(form1.get(), QPoint()), form1->Label13->size())).toImage();
    }

    // Picks an entry of the Skin submenu as a user does: in the title strip's menu while the
    // skin draws it, else in the window's menu.
    void ChooseInMenu(const QString& text) {
        QMenu menu;
        if (form1->sSkinManager1->Active()) form1->sSkinProvider1->OnSystemMenu(menu);
        else form1->ResultCopy()->OnWindowMenu(menu);
        auto* skins = menu.findChild<QMenu*>(QStringLiteral("skin-menu"));
        ASSERT_NE(skins, nullptr);
        QAction* chosen = nullptr;
        for (QAction* action : skins->actions())
            if (action->text().remove(u'&') == text) chosen = action;
        ASSERT_NE(chosen, nullptr) << text.toStdString();
        chosen->trigger();
        QCoreApplication::processEvents();  // the choice runs once the menu has closed
    }

    // Writes the entries of an internal skin as a skin folder.
    QString UnpackedSkin(const QString& internalName, const QString& folderName) {
        const QString folder = temp.filePath(folderName);
        QDir().mkpath(folder);
        for (const TSkinPackageEntry& entry : OpenSkin(internalName).Entries) {
            QFile file(folder + u'/' + entry.Name);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(entry.Data);
        }
        return folder;
    }

    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir temp;
    std::unique_ptr<QSettings> settings;
    TSkinControl* control = nullptr;  // owned by the main window
};

TEST_F(SkinChoiceTest, MenuChoicesPaintAsAFreshStartAndKeepTextsResultsFocusAndPlace) {
    const QString skins[] = {QStringLiteral("Topaz (internal)"), QString(), QStringLiteral("Aluminium (internal)")};
    std::vector<Windows> fresh;
    for (const QString& skin : skins) {
        Restart(skin);
        PrepareWindows(*form1, *form2);
        fresh.push_back(Grab(*form1, *form2));
    }
    Restart(QStringLiteral("Aluminium (internal)"));
    PrepareWindows(*form1, *form2);
    const std::vector<QString> results = ResultLines();
    const QPoint place = form1->pos();
    for (size_t i = 0; i < std::size(skins); ++i) {
        const QString& skin = skins[i];
        ChooseInMenu(skin.isEmpty() ? QStringLiteral("None") : skin);
        const Windows switched = Grab(*form1, *form2);
        EXPECT_EQ(form1->sSkinManager1->Active(), !skin.isEmpty());
        EXPECT_EQ(form1->edR1->Text(), QStringLiteral("90"));
        EXPECT_EQ(ResultLines(), results);
        EXPECT_EQ(QApplication::focusWidget(), form1->edMicro);
        // The skinned frame stands where it stood (the desktop's frame has its own place).
        if (!skin.isEmpty()) EXPECT_EQ(form1->pos(), place);
        EXPECT_TRUE(switched.main == fresh[i].main) << "main window, " << skin.toStdString();
        EXPECT_TRUE(switched.about == fresh[i].about) << "About, " << skin.toStdString();
        EXPECT_EQ(RememberedSkin(*settings), skin);
    }
}

TEST_F(SkinChoiceTest, RememberedChoiceIsReadAtStartAndSkinOptionLeavesIt) {
    ASSERT_TRUE(control->ChooseFromMenu(QStringLiteral("Topaz (internal)")));
    const auto startWith = [this](const std::optional<QString>& skin, bool noSkin) {
        TForm1 main;
        auto* next = new TSkinControl(main, *settings, QString());
        EXPECT_EQ(next->Start(skin, noSkin, false), QString());
        return main.sSkinManager1->Active() ? main.sSkinManager1->SkinName() : QStringLiteral("none");
    };
    EXPECT_EQ(startWith(std::nullopt, false), QStringLiteral("Topaz (internal)"));
    EXPECT_EQ(startWith(QStringLiteral("Aluminium (internal)"), false), QStringLiteral("Aluminium (internal)"));
    EXPECT_EQ(startWith(std::nullopt, true), QStringLiteral("none"));
    EXPECT_EQ(RememberedSkin(*settings), QStringLiteral("Topaz (internal)"));
    EXPECT_EQ(startWith(std::nullopt, false), QStringLiteral("Topaz (internal)"));

    // The design skin remembered is not loaded a second time at start.
    ASSERT_TRUE(control->ChooseFromMenu(QStringLiteral("Aluminium (internal)")));
    TForm1 main;
    int loads = 0;
    QObject::connect(main.sSkinManager1, &TsSkinManager::OnSkinLoading, [&loads] { ++loads; });
    EXPECT_EQ((new TSkinControl(main, *settings, QString()))->Start(std::nullopt, false, false), QString());
    EXPECT_EQ(loads, 0);
    EXPECT_EQ(main.sSkinManager1->SkinName(), QStringLiteral("Aluminium (internal)"));
}

TEST_F(SkinChoiceTest, LiveReloadShowsGoodChangesKeepsTheLookOnBadOnesAndCoalescesBursts) {
    const QString folder = UnpackedSkin(QStringLiteral("Topaz (internal)"), QStringLiteral("author"));
    const QByteArray options = OpenSkin(QStringLiteral("Topaz (internal)")).Entries.front().Data;
    ASSERT_EQ(control->Start(folder, false, true), QString());
    ASSERT_TRUE(control->ReloadOnChange());
    PrepareWindows(*form1, *form2);
    const QImage topaz = ResultLine();

    // The author saves the options text with one entry changed; the program loads it again.
    const auto saveChanged = [&](const char* entry, const char* changed, int reloads) {
        QByteArray text = options;
        text.replace(entry, changed);
        ASSERT_NE(text, options);
        WriteFile(folder + QStringLiteral("/Options.dat"), text);
        QTRY_COMPARE_WITH_TIMEOUT(control->Reloads(), reloads, 5000);
    };

    // A good change: the text colour of the form.
    saveChanged("FONTCOLOR=1056816", "FONTCOLOR=255", 1);
    EXPECT_EQ(control->FailureNotice(), nullptr);
    const QImage recolouredLook = ResultLine();
    EXPECT_NE(recolouredLook, topaz);

    // A broken change: the previous look stays and the message names the key and the reason.
    saveChanged("MASTERBITMAP=MASTER.BMP", "MASTERBITMAP=NOPE.BMP", 2);
    ASSERT_NE(control->FailureNotice(), nullptr);
    EXPECT_TRUE(control->FailureNotice()->informativeText().contains(
        QStringLiteral("error: [GLOBALINFO] MASTERBITMAP: no image \"NOPE.BMP\" in the skin")))
        << control->FailureNotice()->informativeText().toStdString();
    EXPECT_EQ(ResultLine(), recolouredLook);
    EXPECT_EQ(form1->edR1->Text(), QStringLiteral("90"));

    // Five writes in a row, as an editor's save does: one load, back to the original look.
    for (int write = 0; write < 5; ++write) {
        WriteFile(folder + QStringLiteral("/Options.dat"), options);
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE_WITH_TIMEOUT(control->Reloads(), 3, 5000);
    QTest::qWait(3 * TSkinReload::QuietMilliseconds);
    EXPECT_EQ(control->Reloads(), 3);
    EXPECT_EQ(control->FailureNotice(), nullptr);
    EXPECT_EQ(ResultLine(), topaz);
}

TEST_F(SkinChoiceTest, BadSkinOnTheCommandLineNamesFileAndReasonAndKeepsTheDefault) {
    PrepareWindows(*form1, *form2);
    const Windows aluminium = Grab(*form1, *form2);
    const QString corrupt = temp.filePath("corrupt.asz");
    WriteFile(corrupt, QByteArray("ASzf\x02\x00\x00\x00garbage", 15));
    // A folder whose master image is a link to a file outside it.
    const QString escaping = UnpackedSkin(QStringLiteral("Topaz (internal)"), QStringLiteral("escaping"));
    const QString outside = UnpackedSkin(QStringLiteral("Topaz (internal)"), QStringLiteral("outside"));
    QFile::remove(escaping + QStringLiteral("/Master.bmp"));
    ASSERT_TRUE(QFile::link(outside + QStringLiteral("/Master.bmp"), escaping + QStringLiteral("/Master.bmp")));
    // Windows makes a shortcut file, which reading does not follow: there it is an image that
    // cannot be decoded.
    const bool followed = QFileInfo(escaping + QStringLiteral("/Master.bmp")).isSymbolicLink();
    const struct {
        QString spec, reason;
    } cases[] = {{temp.filePath("missing.asz"), QStringLiteral("not an internal skin, a package file or a skin directory")},
                 {corrupt, QStringLiteral("package")},
                 {escaping, followed ? QStringLiteral("leaves the skin's folder") : QStringLiteral("cannot be decoded")}};
    for (const auto& c : cases) {
        const QString line = control->Start(c.spec, false, false);
        EXPECT_TRUE(line.startsWith(QStringLiteral("tornivex: cannot use the skin \"%1\": ").arg(c.spec)))
            << line.toStdString();
        EXPECT_TRUE(line.contains(c.reason)) << line.toStdString();
        EXPECT_FALSE(line.contains(u'\n'));
        EXPECT_EQ(form1->sSkinManager1->SkinName(), QStringLiteral("Aluminium (internal)"));
        QCoreApplication::processEvents();
        // Said in the window too, for a start from the desktop without a terminal.
        ASSERT_NE(control->FailureNotice(), nullptr) << c.spec.toStdString();
        EXPECT_TRUE(control->FailureNotice()->text().contains(c.spec));
        control->FailureNotice()->close();
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        EXPECT_TRUE(Grab(*form1, *form2).main == aluminium.main) << c.spec.toStdString();
    }
    EXPECT_EQ(RememberedSkin(*settings), std::nullopt);
}

TEST(SkinCommandLine, ReadsTheSkinForThisRunAndRefusesContradictions) {
    const auto read = [](QStringList words) { return ReadCommandLine(QStringList{QStringLiteral("tornivex")} + words); };
    const CommandLineOutcome watched = read({"--skin", "my skin", "--watch"});
    EXPECT_TRUE(watched.RunProgram);
    EXPECT_EQ(watched.Skin, QStringLiteral("my skin"));
    EXPECT_TRUE(watched.Watch);
    EXPECT_TRUE(read({"--no-skin"}).NoSkin);
    EXPECT_EQ(read({}).Skin, std::nullopt);
    for (const QStringList& wrong : {QStringList{"--skin", "a", "--no-skin"}, QStringList{"--watch"},
                                     QStringList{"--skin"}, QStringList{"--skin", "a", "--skin", "b"}}) {
        const CommandLineOutcome refused = read(wrong);
        EXPECT_FALSE(refused.RunProgram) << wrong.join(u' ').toStdString();
        EXPECT_EQ(refused.ExitStatus, 2);
    }
}

}  // namespace
}  // namespace tornivex::testing
