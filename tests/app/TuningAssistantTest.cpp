// The tuning assistant in a real window: opened from the main window with the calculated units,
// figures that follow typing, the copy entries, refused input and its skinned picture.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "TuningAssistant.h"
#include "WindowTestSupport.h"

namespace tornivex::testing {
namespace {

class TuningAssistantTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        form1->SetAssistant([this] {
            if (!assistant) {
                assistant = std::make_unique<TTuningAssistant>(form1.get());
                FollowCalculations(*assistant, *form1);
            }
            return assistant.get();
        });
        ShowMainWindow();
    }
    void TearDown() override {
        assistant.reset();
        WindowTest::TearDown();
    }

    // "Calculate", then Ctrl+T in the main window.
    TTuningAssistant& CalculateAndOpen() {
        ClickCalculate();
        QTest::keyClick(form1.get(), Qt::Key_T, Qt::ControlModifier);
        EXPECT_TRUE(assistant && QTest::qWaitForWindowActive(assistant.get()));
        return *assistant;
    }
    QString Line(size_t i) const { return assistant->FigureLines[i]->Caption(); }

    std::unique_ptr<TTuningAssistant> assistant;
};

TEST_F(TuningAssistantTest, OpensWithTheCalculatedUnitsAndFollowsTyping) {
    TTuningAssistant& a = CalculateAndOpen();
    EXPECT_EQ(a.edUnits->Text(), "222.222222222222");
    EXPECT_EQ(a.edRatio->Text(), "40");
    EXPECT_EQ(Line(0), "One micro-step turns the axis 0.0045\u00B0 (16.2 arc-seconds)");
    EXPECT_EQ(Line(2), "Type the controller's maximum step-pulse rate to see the top speed.");
    // What the window shows reaches a screen reader.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(a.FigureLines[2])->text(QAccessible::Name), Line(2));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(a.sMemoLines)->text(QAccessible::Name), "Controller lines");
    QTest::mouseClick(a.RateButtons[0], Qt::LeftButton);  // 25 kHz
    EXPECT_EQ(Line(2), "At 25000 Hz at most: 112.5 \u00B0/s, 6750 \u00B0/min, 18.75 axis rpm, 750 motor rpm");
    TypeInto(a.edSpeed, "7200");
    EXPECT_EQ(Line(3), "7200 \u00B0/min needs 26666.6666666667 Hz: more than the maximum");
    TypeInto(a.edMeasured, "359.982");
    EXPECT_EQ(Line(5), "The gear ratio is 40.002000100005:1, close to 40:1");
    // A typed units value replaces the calculated one; a new "Calculate" brings it back.
    TypeInto(a.edUnits, "800");
    EXPECT_EQ(Line(0), "One micro-step turns the axis 0.00125\u00B0 (4.5 arc-seconds)");
    EXPECT_TRUE(a.ControllerText().contains("$103=800\n$113=1875"));
    ClickCalculate();
    EXPECT_EQ(a.edUnits->Text(), "222.222222222222");
    EXPECT_TRUE(a.ControllerText().contains("$103=222.22223\n$113=6750"));
}

TEST_F(TuningAssistantTest, CopyEntriesPutExactlyTheShownLinesOnTheClipboard) {
    TTuningAssistant& a = CalculateAndOpen();
    QTest::mouseClick(a.sButtonCopy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), a.sMemoLines->toPlainText());
    const auto pick = [&](const char* name, int index) {
        WithMenu([&] { QTest::mouseClick(a.findChild<TsButton*>("sButtonCopyOne"), Qt::LeftButton); },
                 [&](QMenu& menu) { menu.findChildren<QAction*>(name).at(index)->trigger(); }, &a);
        return QGuiApplication::clipboard()->text();
    };
    EXPECT_EQ(pick("copy-marlin", 0), "M92 A222.22223");
    EXPECT_EQ(pick("copy-line", 1), "SCALE = 222.22222222222223");
    // The main window's menus lead here too.
    a.close();
    WithMenu([&] { QTest::mouseClick(form1->windowHandle(), Qt::RightButton, {}, form1->Label12->mapTo(form1.get(), QPoint(4, 8))); },
             [](QMenu& menu) { menu.findChild<QAction*>("open-assistant")->trigger(); }, &a);
    EXPECT_TRUE(a.isVisible());
}

TEST_F(TuningAssistantTest, BadInputIsAClearMessageNeverAStaleFigure) {
    TTuningAssistant& a = CalculateAndOpen();
    TypeInto(a.edMeasured, "359");
    ASSERT_FALSE(Line(5).isEmpty());
    TypeInto(a.edMeasured, "0");
    EXPECT_EQ(Line(4), "The measured move must not be zero.");
    EXPECT_EQ(Line(5), "");
    TypeInto(a.edUnits, "");
    EXPECT_EQ(Line(0), "Type the units per degree, or click \u201CCalculate\u201D in the main window.");
    EXPECT_EQ(Line(2), Line(0));
    EXPECT_EQ(a.ControllerText(), Line(0));
    EXPECT_TRUE(errors.empty());
}

TEST_F(TuningAssistantTest, GoldenImage) {
    TTuningAssistant& a = CalculateAndOpen();
    QTest::mouseClick(a.RateButtons[1], Qt::LeftButton);  // 100 kHz
    TypeInto(a.edRadius, "50");
    TypeInto(a.edMeasured, "359.982");
    a.sButtonClose->setFocus();
    ExpectMatchesGolden(a.grab().toImage(), "tuning-assistant");
}

}  // namespace
}  // namespace tornivex::testing
