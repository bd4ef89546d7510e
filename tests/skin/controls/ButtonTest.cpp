// The skinned push button over the real "Aluminium (internal)" skin: its cache in every state
// against the same painting done by hand, and its behaviour through real Qt events (fades,
// clicks, focus, the platform look without a skin, skin removal and return).
#include "sButton.h"

#include "DefaultSkinManager.h"
#include "InternalSkins.h"
#include "TestSkinPackage.h"
#include "platform/text/DrawText.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/ElementText.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tornivex {

// Failures name the size and the first differing pixel instead of dumping bytes.
void PrintTo(const TBitmap32& bmp, std::ostream* os) {
    *os << bmp.Width() << "x" << bmp.Height();
    if (!bmp.Empty()) *os << " [0,0]=" << std::hex << bmp.Pixel(0, 0) << std::dec;
}

namespace {

using namespace paint;

::testing::AssertionResult SamePixels(const TBitmap32& a, const TBitmap32& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return ::testing::AssertionFailure() << "sizes " << a.Width() << "x" << a.Height() << " and " << b.Width()
                                             << "x" << b.Height();
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): " << std::hex
                                                     << a.Pixel(x, y) << " and " << b.Pixel(x, y);
    return ::testing::AssertionSuccess();
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = testing::DefaultManagerWithSkin(QStringLiteral("Aluminium (internal)"));
        ASSERT_TRUE(manager->CommonSkinData().Active);
        window = std::make_unique<QWidget>();
        window->resize(300, 100);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, QColor(200, 210, 220));
        window->setPalette(palette);
        field = new QLineEdit(window.get());  // takes the focus when the window shows
        field->setGeometry(8, 8, 100, 20);
        button = new TsButton(window.get());
        button->setText(QStringLiteral("Calculate"));
        button->setGeometry(8, 45, 137, 25);
        other = new TsButton(window.get());
        other->setText(QStringLiteral("About"));
        other->setGeometry(151, 45, 56, 25);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(button->Skinned());
    }
    void TearDown() override {
        window.reset();
        manager.reset();
        TsButton::HoldPressedFrame = saveHold;
    }

    TsCtrlSkinData& Data() { return *button->SkinData(); }
    const TBitmap32& Render() {
        SendSkinCommand(button, scRenderCache);
        return *Data().FCacheBmp;
    }
    const TsGeneralData& Section() { return manager->gd()[static_cast<std::size_t>(Data().SkinIndex)]; }

    // The section, caption and focus rectangle painted by hand over what the parent shows.
    TBitmap32 ByHand(int state, const TRect& caption, bool focusRect) {
        BackgroundQuery query;
        QueryParentBackground(query, window.get(), false);
        TsCommonData probe;
        probe.SetSkinManager(manager.get());
        probe.SkinIndex = Data().SkinIndex;
        probe.Texture = Data().Texture;
        probe.HotTexture = Data().HotTexture;
        probe.FCacheBmp = std::make_unique<TBitmap32>(button->width(), button->height());
        TElementPaint element;
        element.State = state;
        element.Rect = TRect{0, 0, button->width(), button->height()};
        element.Offset = TPoint{button->x(), button->y()};
        element.Background = BackgroundSourceFromQuery(query);
        PaintElement(probe, *probe.FCacheBmp, element);
        TTextCanvas canvas{*probe.FCacheBmp, button->font(), clBlack};
        WriteElementText(canvas, button->text(), true, state != 0, probe,
                         platform::tfCenter | platform::tfVCenter | platform::tfExpandTabs | platform::tfWordBreak,
                         caption);
        if (focusRect)
            DrawElementFocusRect(*probe.FCacheBmp,
                                 TRect{caption.Left - 2, std::max(3, caption.Top - 1), caption.Right + 2,
                                       std::min(button->height() - 3, caption.Bottom + 1)},
                                 Section().Props[1].FontColor.Color, clNoColor2);
        return *probe.FCacheBmp;
    }
    // What the button puts on the screen.
    TBitmap32 Shown() {
        const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        TBitmap32 bmp(image.width(), image.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) bmp.Pixel(x, y) = image.pixel(x, y);
        return bmp;
    }
    static TRect Shifted(TRect r) { return TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1}; }
    void RunFadeOut() {
        for (int i = 0; i < 100 && Data().AnimTimer && Data().AnimTimer->Enabled(); ++i) Data().AnimTimer->Tick();
    }

    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<QWidget> window;
    TsButton* button = nullptr;
    TsButton* other = nullptr;
    QLineEdit* field = nullptr;
    void (*saveHold)(TsButton&) = TsButton::HoldPressedFrame;
};

TEST_F(ButtonTest, EachStatesCacheIsTheSectionCaptionAndFocusMarkPaintedByHand) {
    ASSERT_EQ(0, button->CurrentState());
    const TRect caption = button->CaptionRect();
    EXPECT_TRUE(SamePixels(Render(), ByHand(0, caption, false))) << "normal";
    Data().FMouseAbove = true;
    ASSERT_EQ(1, button->CurrentState());
    EXPECT_TRUE(SamePixels(Render(), ByHand(1, caption, false))) << "hot";
    button->SetDown(true);
    ASSERT_EQ(2, button->CurrentState());
    EXPECT_EQ(button->CaptionRect(), Shifted(caption)) << "the caption moves by (1, 1) while pressed";
    EXPECT_TRUE(SamePixels(Render(), ByHand(2, Shifted(caption), false))) << "pressed";
    button->SetDown(false);
    Data().FMouseAbove = false;
    button->setFocus();
    ASSERT_EQ(1, button->CurrentState()) << "a focused button looks hot without the mouse";
    EXPECT_TRUE(SamePixels(Render(), ByHand(1, caption, true))) << "focused";
}

TEST_F(ButtonTest, WithoutShiftContentOnClickThePressedCaptionStays) {
    const TRect caption = button->CaptionRect();
    manager->ButtonsOptions.ShiftContentOnClick = false;
    button->SetDown(true);
    EXPECT_EQ(caption, button->CaptionRect());
}

TEST_F(ButtonTest, ADisabledButtonKeepsFortyPercentOfItsNormalLookOverTheParent) {
    TBitmap32 expected = ByHand(0, button->CaptionRect(), false);
    button->setEnabled(false);
    BackgroundQuery query;
    QueryParentBackground(query, window.get(), false);
    ApplyDisabledLook(expected, dkBlended, OwnColorOf(window.get()), TPoint{button->x(), button->y()},
                      BackgroundSourceFromQuery(query));
    EXPECT_TRUE(SamePixels(expected, Render()));
}

TEST_F(ButtonTest, HoveringFadesToTheHotLookAndLeavingFadesBack) {
    const TBitmap32 normal = Render();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    ASSERT_NE(nullptr, Data().AnimTimer);
    EXPECT_TRUE(Data().AnimTimer->Enabled());
    EXPECT_EQ(1, Data().AnimTimer->FState);
    EXPECT_TRUE(SamePixels(normal, *Data().AnimTimer->BmpFrom));
    EXPECT_TRUE(SamePixels(ByHand(1, button->CaptionRect(), false), *Data().FCacheBmp)) << "the cache holds the new look";
    RunFadeOut();
    EXPECT_TRUE(SamePixels(*Data().FCacheBmp, *Data().AnimTimer->BmpOut)) << "the fade ends on the new look";
    EXPECT_TRUE(SamePixels(*Data().FCacheBmp, Shown())) << "and the screen shows it";
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(0, Data().AnimTimer->FState);
    RunFadeOut();
    EXPECT_EQ(-1, Data().AnimTimer->FState);
    EXPECT_TRUE(SamePixels(normal, *Data().FCacheBmp));
}

TEST_F(ButtonTest, ReleasingDuringThePressFadeShowsTheFullPressedFrameFirst) {
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    RunFadeOut();
    static TBitmap32 held;
    static int holds;
    holds = 0;
    TsButton::HoldPressedFrame = [](TsButton& b) {
        ++holds;
        held = *b.SkinData()->FCacheBmp;
    };
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(2, Data().AnimTimer->FState);
    const TBitmap32 pressed = *Data().FCacheBmp;
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(1, holds);
    EXPECT_TRUE(SamePixels(pressed, held)) << "the pressed frame is on the screen during the hold";
    EXPECT_EQ(1, clicks.count());
    RunFadeOut();
    EXPECT_TRUE(SamePixels(ByHand(1, button->CaptionRect(), true), *Data().FCacheBmp)) << "hot and focused after the click";
    EXPECT_TRUE(SamePixels(*Data().FCacheBmp, *Data().AnimTimer->BmpOut)) << "the fade back arrives at the hot look";
    // A release after a finished press fade needs no hold.
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    RunFadeOut();
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(1, holds);
    EXPECT_EQ(2, clicks.count());
}

TEST_F(ButtonTest, PressingMovingOffAndReleasingElsewhereDoesNotClick) {
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTest::mouseMove(button, QPoint(200, 60));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(200, 60));
    EXPECT_EQ(0, clicks.count());
    // A release over a button where the press did not start does nothing at all.
    QSignalSpy otherClicks(other, &QPushButton::clicked);
    QTest::mouseRelease(other, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(0, otherClicks.count());
    EXPECT_EQ(0, other->CurrentState());
}

TEST_F(ButtonTest, AnotherButtonClickedDuringALeftPressLeavesTheClickWhole) {
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
    QTest::mouseRelease(button, Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_TRUE(button->isDown());
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(1, clicks.count());
    EXPECT_FALSE(button->isDown());
    EXPECT_NE(2, button->CurrentState());
}

TEST_F(ButtonTest, SpaceAndEnterClickTheFocusedButton) {
    QSignalSpy clicks(button, &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(1, clicks.count());
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 2; }));
    // The Enter key of the number block comes with the keypad modifier.
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 3; }));
}

TEST_F(ButtonTest, WithoutAButtonSectionOrWithTheSkinRemovedItIsThePlatformsButton) {
    const TBitmap32 skinned = Render();
    manager->SetActive(false);
    EXPECT_FALSE(button->Skinned());
    EXPECT_EQ(-1, Data().SkinIndex);
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(1, clicks.count()) << "the platform button still clicks";
    field->setFocus();  // the click focused the button: compare the same state
    manager->SetActive(true);
    ASSERT_TRUE(button->Skinned());
    EXPECT_TRUE(SamePixels(skinned, Render())) << "the same pixels after the skin came back";

    manager->SetSkinName(QStringLiteral("Topaz (internal)"));
    ASSERT_TRUE(button->Skinned());
    EXPECT_FALSE(SamePixels(skinned, Render())) << "the other skin paints differently";
}

TEST_F(ButtonTest, ASkinWithoutAButtonSectionLeavesThePlatformsButton) {
    QImage master(8, 8, QImage::Format_RGB32);
    master.fill(Qt::gray);
    manager->InternalSkins().Add(
        QStringLiteral("Plain"),
        WriteSkinPackage({TSkinPackageEntry{QStringLiteral("Options.dat"),
                                            "[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\n"
                                            "[FORM]\nSTATES=1\nCOLOR=255\n"},
                          TSkinPackageEntry{QStringLiteral("MASTER.BMP"), test::EncodeBmp(master)}}));
    manager->SetSkinName(QStringLiteral("Plain"));
    ASSERT_TRUE(manager->CommonSkinData().Active);
    EXPECT_FALSE(button->Skinned());
    EXPECT_EQ(-1, Data().SkinIndex);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(nullptr, Data().AnimTimer) << "nothing fades without the skin's look";
    EXPECT_TRUE(Data().FMouseAbove);
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(1, clicks.count());
}

TEST_F(ButtonTest, AButtonCreatedBeforeTheSkinTakesItWhenTheManagerAnnouncesIt) {
    manager->SetActive(false);
    auto* late = new TsButton(window.get());
    late->setGeometry(10, 10, 60, 25);
    EXPECT_FALSE(late->Skinned());
    manager->SetActive(true);
    EXPECT_TRUE(late->Skinned());
    EXPECT_EQ(manager->ConstData().Sections[ssButton], late->SkinData()->SkinIndex);
}

TEST_F(ButtonTest, AccessibleAsAPushButtonNamedByItsCaption) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(nullptr, accessible);
    EXPECT_EQ(QAccessible::Button, accessible->role());
    EXPECT_EQ(QStringLiteral("Calculate"), accessible->text(QAccessible::Name));
}

TEST_F(ButtonTest, ChangingTheCaptionRendersAgain) {
    const TBitmap32 before = Render();
    button->setText(QStringLiteral("Again"));
    button->repaint();
    EXPECT_FALSE(SamePixels(before, *Data().FCacheBmp));
}

}  // namespace
}  // namespace tornivex
