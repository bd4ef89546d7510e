// Copying results out of the main window: the menus opened by a right click and from the
// keyboard, the shortcuts, and what may not be copied before a calculation or after a failure.
#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "WindowTestSupport.h"

namespace tornivex::testing {
namespace {

const std::string kUnits = "222.222222222222";
const std::string kAllLines =
    "this gives  200 steps per revolution.\n"
    "now gives 2000 steps per revolution\n"
    "ratio and 2000 steps/rev then ;\n"
    "40 x 2000 = 80000 Steps / axis rev\n"
    "80000 / 360\u00B0 = 222.222222222222 units for 4th Axis motor tuning.";
const char* const kUntouched = "clipboard before";

class ResultCopyTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ShowMainWindow();
        QGuiApplication::clipboard()->setText(kUntouched);
    }

    static std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }


    static QAction* Entry(QMenu& menu, const char* name) {
        QAction* action = menu.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    // Which of the named entries are enabled, in the order given.
    static std::vector<bool> Enabled(QMenu& menu, std::initializer_list<const char*> names) {
        std::vector<bool> enabled;
        for (const char* name : names) enabled.push_back(Entry(menu, name) && Entry(menu, name)->isEnabled());
        return enabled;
    }

    static void Click(QMenu& menu, const char* name) {
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(Entry(menu, name)).center());
    }

    // Through the window, as the platform delivers it, so that the press also asks for a menu.
    void RightClick(QWidget* widget) const {
        QTest::mouseClick(form1->windowHandle(), Qt::RightButton, {}, widget->mapTo(form1.get(), QPoint(4, 8)));
    }
};

TEST_F(ResultCopyTest, LineMenuCopiesUnitsLineAndAll) {
    WithMenu([&] { RightClick(form1->Label10); }, [](QMenu& menu) {
        // "Ratio" is the design caption, not a result.
        EXPECT_EQ(Enabled(menu, {"copy-units", "copy-line", "copy-all"}), (std::vector<bool>{false, false, false}));
    });
    ClickCalculate();
    WithMenu([&] { RightClick(form1->Label13); }, [](QMenu& menu) {
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&menu);
        EXPECT_EQ(accessible->text(QAccessible::Name), "Result line 5");
        Click(menu, "copy-units");
    });
    EXPECT_EQ(Clipboard(), kUnits);
    WithMenu([&] { RightClick(form1->Label12); }, [](QMenu& menu) { Click(menu, "copy-line"); });
    EXPECT_EQ(Clipboard(), "40 x 2000 = 80000 Steps / axis rev");
    WithMenu([&] { RightClick(form1->Label1); }, [](QMenu& menu) { Click(menu, "copy-all"); });
    EXPECT_EQ(Clipboard(), kAllLines);
}

TEST_F(ResultCopyTest, ShortcutsAndTheKeyboardMenu) {
    // Nothing to copy yet: Ctrl+C outside a selection and Ctrl+Shift+C leave the clipboard alone.
    form1->sButton2->setFocus();
    QTest::keyClick(form1->sButton2, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(form1->sButton2, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), kUntouched);

    ClickCalculate();
    QTest::keyClick(form1->sButton1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), kUnits);

    // In a field Ctrl+C copies the selection; without one, the units value.
    form1->degED1->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(form1->degED1->hasSelectedText());
    QTest::keyClick(form1->degED1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "1.8");
    QTest::keyClick(form1->degED1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), kAllLines);
    QTest::keyClick(form1->degED1, Qt::Key_End);
    QTest::keyClick(form1->degED1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), kUnits);

    // Shift+F10 in a field: its own menu with the results below; on a button: the window's menu.
    WithMenu([&] { QTest::keyClick(form1->degED1, Qt::Key_F10, Qt::ShiftModifier); }, [](QMenu& menu) {
        EXPECT_NE(Entry(menu, "edit-paste"), nullptr);
        EXPECT_EQ(Enabled(menu, {"copy-units", "copy-all"}), (std::vector<bool>{true, true}));
    });
    form1->sButton1->setFocus();
    WithMenu([&] { QTest::keyClick(form1->sButton1, Qt::Key_F10, Qt::ShiftModifier); }, [](QMenu& menu) {
        auto* lines = menu.findChild<QMenu*>("copy-one-line");
        ASSERT_NE(lines, nullptr);
        EXPECT_EQ(lines->accessibleName(), "Copy one line");  // read without the mnemonic's '&'
        Entry(*lines, "copy-line-4")->trigger();
    });
    EXPECT_EQ(Clipboard(), "40 x 2000 = 80000 Steps / axis rev");
}

TEST_F(ResultCopyTest, AfterAFailureOnlyTheLinesItSetCanBeCopied) {
    ClickCalculate();
    TypeInto(form1->edR2, "0");
    ClickCalculate();
    ASSERT_EQ(errors.size(), 1u);
    QGuiApplication::clipboard()->setText(kUntouched);
    // Line 5 still shows the previous run's text: not a result of the last calculation.
    WithMenu([&] { RightClick(form1->Label13); }, [](QMenu& menu) {
        EXPECT_EQ(Enabled(menu, {"copy-units", "copy-line", "copy-all"}), (std::vector<bool>{false, false, true}));
        Click(menu, "copy-all");
    });
    EXPECT_EQ(Clipboard(), "this gives  200 steps per revolution.\nnow gives 2000 steps per revolution");
    QGuiApplication::clipboard()->setText(kUntouched);
    QTest::keyClick(form1->sButton1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), kUntouched);
}

TEST_F(ResultCopyTest, UnitsInTheUsersNotation) {
    locale.reset();  // restores the separators before the new ones are set
    locale = std::make_unique<ScopedFormatSettings>(u',', u'.');
    TypeInto(form1->degED1, "1,8");
    ClickCalculate();
    QTest::keyClick(form1->sButton1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "222,222222222222");
}

}  // namespace
}  // namespace tornivex::testing
