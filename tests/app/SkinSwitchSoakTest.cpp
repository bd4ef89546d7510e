// Both windows through many skin switches: every return to a skin paints exactly what its first
// visit painted, the user's texts, results and focus stay, and memory does not grow.
//   TORNIVEX_SOAK_CYCLES=n   cycles (1,000 by default)
//   TORNIVEX_SOAK_EMULATED=1 memory is reported, not bounded: under a user-mode emulator the
//                            resident figure is the emulator's, whose translated code grows
#include <QPixmapCache>
#include <QTest>

#include <iostream>

#include "ResidentMemory.h"
#include "WindowTestSupport.h"
#include "sSkinManager.h"

namespace tornivex::testing {
namespace {

// Resident memory without Qt's pixmap cache (bounded at 10 MiB, and the platform style keys
// its entries by palette, which every skin change renews) and once the allocator has handed its
// free pages back: what the program holds, not what caches and free lists happen to hold.
long HeldBytes() {
    QPixmapCache::clear();
    return ResidentBytes();
}

class SkinSwitchSoakTest : public WindowTest {};

TEST_F(SkinSwitchSoakTest, ThousandCyclesKeepPixelsTextsFocusAndMemory) {
    const int cycles = qEnvironmentVariableIsSet("TORNIVEX_SOAK_CYCLES")
                           ? qEnvironmentVariableIntValue("TORNIVEX_SOAK_CYCLES")
                           : 1000;
    QApplication::setCursorFlashTime(0);  // a caret that blinks would differ between grabs
    // The platform style caches pieces keyed by palette, which every switch renews; its cache is
    // bounded (10 MiB) but would fill during the run. Kept small, it shows the program's own growth.
    const int pixmapCacheLimit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(64);
    ShowMainWindow();
    form1->edR1->SetText(QStringLiteral("90"));
    ClickCalculate();
    form2->show();  // shown beside the main window, not modal, so both repaint on every switch
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    form1->edMicro->setFocus();
    const std::vector<QString> results = ResultLines();
    TsSkinManager& manager = *form1->sSkinManager1;

    struct Look {
        const char* skin;  // null: no skin
        QImage main, about;
    };
    Look looks[] = {{"Topaz (internal)", {}, {}}, {nullptr, {}, {}}, {"Aluminium (internal)", {}, {}}};
    long firstCycleBytes = 0;
    for (int cycle = 0; cycle < cycles && !HasFailure(); ++cycle) {
        for (Look& look : looks) {
            if (look.skin) {
                manager.SetSkinName(QString::fromLatin1(look.skin));
                manager.SetActive(true);
            } else {
                manager.SetActive(false);
            }
            // The event loop runs between switches, as it does between a user's choices: what
            // a switch posts (queued signals, deferred deletes) is handled before the next.
            QCoreApplication::processEvents();
            const QImage main = form1->grab().toImage(), about = form2->grab().toImage();
            if (cycle == 0) {
                look.main = main;
                look.about = about;
            }
            EXPECT_EQ(main, look.main) << "cycle " << cycle << ", " << (look.skin ? look.skin : "no skin");
            EXPECT_EQ(about, look.about) << "cycle " << cycle << ", " << (look.skin ? look.skin : "no skin");
        }
        EXPECT_EQ(form1->edR1->Text(), "90");
        EXPECT_EQ(ResultLines(), results);
        EXPECT_EQ(QApplication::focusWidget(), form1->edMicro);
        if (cycle == 0) firstCycleBytes = HeldBytes();
    }
    const long growth = HeldBytes() - firstCycleBytes;
    std::cerr << "skin-switch soak: " << cycles << " cycles, resident memory grew by " << growth
              << " bytes after the first cycle\n";
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer holds freed memory back in its quarantine
    if (!qEnvironmentVariableIsSet("TORNIVEX_SOAK_EMULATED")) EXPECT_LT(growth, 1024 * 1024);
#endif
    EXPECT_NE(looks[0].main, looks[2].main);  // the two skins do look different
    QApplication::setCursorFlashTime(1000);
    QPixmapCache::setCacheLimit(pixmapCacheLimit);
}

}  // namespace
}  // namespace tornivex::testing
