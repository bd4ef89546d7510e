// The memo over the real internal skins: colours and frame from "EDIT", the skin's scroll bar
// driving the platform's hidden one, the platform look without a skin and after a skin switch.
#include "ScrollBarWidget.h"
#include "TacEditWnd.h"
#include "sMemo.h"

#include "DefaultSkinManager.h"
#include "InternalSkins.h"
#include "TestSkin.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/PixelColor.h"

#include <QAccessible>
#include <QCursor>
#include <QAccessibleValueInterface>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace tornivex {
namespace {

QColor SectionColor(const TsSkinManager& manager, const char* name, bool font = false) {
    const int index = manager.GetSkinIndex(QString::fromLatin1(name));
    EXPECT_GE(index, 0) << name;
    const TsGenState& p = manager.gd()[static_cast<std::size_t>(index)].Props[0];
    const TColor c = ColorToRGB(font ? p.FontColor.Color : p.Color);
    return QColor(ColorR(c), ColorG(c), ColorB(c));
}

class MemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = testing::DefaultManagerWithSkin(QStringLiteral("Aluminium (internal)"));
        ASSERT_TRUE(manager->CommonSkinData().Active);

        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        memo = new TsMemo(window.get());
        memo->setGeometry(4, 5, 233, 67);
        QPalette design = memo->palette();
        design.setColor(QPalette::Base, Qt::white);
        design.setColor(QPalette::Text, Qt::black);
        memo->setPalette(design);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QStringList lines;
        for (int i = 1; i <= 27; ++i) lines << QStringLiteral("Line %1").arg(i);
        memo->setPlainText(lines.join(u'\n'));
        memo->Loaded();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        window.reset();
        manager.reset();
    }

    TacScrollBarWidget* Bar() const { return memo->ListSW() ? memo->ListSW()->sBarVert : nullptr; }
    QScrollBar* Platform() const { return memo->verticalScrollBar(); }
    QImage Grab() const { return memo->grab().toImage(); }

    std::unique_ptr<TsSkinManager> manager;
    std::unique_ptr<QWidget> window;
    TsMemo* memo = nullptr;
};

TEST_F(MemoTest, TakesColoursFrameAndScrollBarFromTheSkin) {
    ASSERT_TRUE(memo->Skinned());
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(memo->palette().color(QPalette::Base), SectionColor(*manager, "EDIT"));
    EXPECT_NE(memo->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(memo->palette().color(QPalette::Text), SectionColor(*manager, "EDIT", true));
    // The platform's bar is hidden but keeps the range; ours sits at the right inside the edges.
    EXPECT_FALSE(Platform()->isVisible());
    EXPECT_GT(Platform()->maximum(), 0);
    EXPECT_TRUE(Bar()->isVisible());
    EXPECT_EQ(Bar()->geometry(), QRect(233 - 2 - 17, 2, 17, 67 - 4));
    EXPECT_EQ(memo->viewport()->geometry(), QRect(2, 2, 233 - 4 - 17, 67 - 4));

    // The frame ring is the cache image; the text area is on the section's colour.
    const QImage image = Grab();
    const TBitmap32& cache = *memo->SkinData()->FCacheBmp;
    ASSERT_EQ(cache.Width(), 233);
    EXPECT_EQ(image.pixel(0, 30) & 0xFFFFFF, cache.Pixel(0, 30) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(100, 66) & 0xFFFFFF, cache.Pixel(100, 66) & 0xFFFFFF);
    EXPECT_EQ(QColor(image.pixel(200, 60)), SectionColor(*manager, "EDIT"));
}

TEST_F(MemoTest, ColoursChangedBehindItsBackComeBackOnTheNextPaint) {
    QPalette wrong = memo->palette();
    wrong.setColor(QPalette::Base, Qt::red);
    memo->setPalette(wrong);
    Grab();
    EXPECT_EQ(memo->palette().color(QPalette::Base), SectionColor(*manager, "EDIT"));
}

TEST_F(MemoTest, ClickingTheSkinnedArrowsAndTrackScrollsThePlatformBar) {
    TacScrollBarWidget* bar = Bar();
    ASSERT_NE(bar, nullptr);
    const int top = bar->Bar().Layout().ThumbRect.Top;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, bar->height() - 5));
    EXPECT_EQ(Platform()->value(), 1);
    EXPECT_EQ(bar->Bar().PressedPart(), spNone);  // released
    for (int i = 0; i < 3; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, bar->height() - 5));
    EXPECT_EQ(Platform()->value(), 4);
    Grab();  // paints: the skinned bar reads the new value
    EXPECT_GT(bar->Bar().Layout().ThumbRect.Top, top);
    for (int i = 0; i < 4; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, 5));
    EXPECT_EQ(Platform()->value(), 0);
    // The track pages (the platform decides how far a page goes).
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, bar->height() - 20));
    EXPECT_GE(Platform()->value(), Platform()->pageStep());
}

TEST_F(MemoTest, KeyboardAndWheelScrollingMoveTheSkinnedThumb) {
    TacScrollBarWidget* bar = Bar();
    ASSERT_NE(bar, nullptr);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    Grab();
    EXPECT_GT(Platform()->value(), Platform()->maximum() - 2);
    EXPECT_EQ(bar->Bar().ScrollInfo.nPos, Platform()->value());
    Platform()->setValue(Platform()->maximum());
    Grab();
    EXPECT_EQ(bar->Bar().Layout().ThumbRect.Bottom, bar->height() - 17);  // on the bottom arrow

    // A wheel turn over our bar scrolls as over the text.
    const QPoint at(8, 30);
    QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &wheel);
    EXPECT_LT(Platform()->value(), Platform()->maximum());
}

TEST_F(MemoTest, TheScrollBarIsOnTheAccessibilityBusWithItsValue) {
    Platform()->setValue(3);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Bar());
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ScrollBar);
    ASSERT_NE(iface->valueInterface(), nullptr);
    EXPECT_EQ(iface->valueInterface()->currentValue().toInt(), 3);
    EXPECT_EQ(iface->valueInterface()->maximumValue().toInt(), Platform()->maximum());
    // The memo is still a multi-line text.
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(memo);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->role(), QAccessible::EditableText);
    EXPECT_TRUE(text->state().multiLine);
    ASSERT_NE(text->textInterface(), nullptr);
    EXPECT_TRUE(text->textInterface()->text(0, 6).startsWith("Line 1"));
}

TEST_F(MemoTest, WithoutASkinItIsThePlatformMemoAndASkinSwitchRepaintsInTheNewSkin) {
    const QColor aluminium = SectionColor(*manager, "EDIT");
    manager->SetActive(false);
    EXPECT_FALSE(memo->Skinned());
    EXPECT_EQ(memo->ListSW(), nullptr);
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_NE(memo->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(memo->viewport()->geometry().topLeft(), memo->contentsRect().topLeft());
    EXPECT_GT(memo->frameWidth(), 0);
    Grab();
    EXPECT_TRUE(Platform()->isVisible());

    manager->SetActive(true);
    ASSERT_TRUE(memo->Skinned());
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(memo->palette().color(QPalette::Base), aluminium);

    manager->SetSkinName(QStringLiteral("Topaz (internal)"));
    ASSERT_TRUE(memo->Skinned());
    const QColor topaz = SectionColor(*manager, "EDIT");
    EXPECT_EQ(memo->palette().color(QPalette::Base), topaz);
    const QImage image = Grab();
    EXPECT_EQ(QColor(image.pixel(200, 60)), topaz);
    EXPECT_EQ(image.pixel(0, 30) & 0xFFFFFF, memo->SkinData()->FCacheBmp->Pixel(0, 30) & 0xFFFFFF);
}

TEST_F(MemoTest, FocusMarksTheFrameStaleAndADisabledMemoHasADisabledBar) {
    Grab();
    EXPECT_FALSE(memo->SkinData()->FBGChanged);
    memo->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(memo->SkinData()->FFocused || !memo->hasFocus());
    Grab();
    EXPECT_FALSE(memo->SkinData()->FBGChanged);

    const QImage enabled = Bar()->grab().toImage();
    const TPixel32 edge = memo->SkinData()->FCacheBmp->Pixel(0, 30);
    memo->setEnabled(false);
    Grab();
    EXPECT_NE(memo->SkinData()->FCacheBmp->Pixel(0, 30), edge);  // the frame is blended too
    EXPECT_FALSE(Bar()->ArrowsEnabled());
    const QImage disabled = Bar()->grab().toImage();
    EXPECT_NE(enabled, disabled);
    QTest::mouseClick(Bar(), Qt::LeftButton, {}, QPoint(8, Bar()->height() - 5));
    EXPECT_EQ(Platform()->value(), 0);
}

TEST_F(MemoTest, AMemoShorterThanTwoArrowsGetsTwoHalfArrows) {
    memo->resize(233, 30);  // bar 26 high: less than two 17-pixel arrows
    TacScrollBarWidget* bar = Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->height(), 26);
    const TScrollBarLayout layout = bar->Bar().Layout();
    EXPECT_TRUE(layout.HalfArrows);
    EXPECT_TRUE(layout.ThumbRect.IsEmpty());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, 20));
    EXPECT_EQ(Platform()->value(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, 5));
    EXPECT_EQ(Platform()->value(), 0);
}

TEST_F(MemoTest, HorizontalBarsAreLaidOutByTheSameRulesWithTheCornerFilled) {
    auto* wide = new TsMemo(window.get());
    wide->setGeometry(4, 80, 200, 80);
    wide->setLineWrapMode(QPlainTextEdit::NoWrap);
    wide->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    wide->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    wide->setPlainText(QString(300, u'x') + QStringLiteral("\nshort"));
    wide->Loaded();
    wide->show();
    ASSERT_NE(wide->ListSW(), nullptr);
    TacScrollBarWidget* horz = wide->ListSW()->sBarHorz;
    TacScrollBarWidget* vert = wide->ListSW()->sBarVert;
    ASSERT_TRUE(horz->isVisible());
    EXPECT_EQ(horz->geometry(), QRect(2, 80 - 2 - 17, 200 - 4 - 17, 17));
    EXPECT_EQ(vert->geometry(), QRect(200 - 2 - 17, 2, 17, 80 - 4 - 17));
    EXPECT_EQ(wide->viewport()->geometry(), QRect(2, 2, 200 - 4 - 17, 80 - 4 - 17));
    const TacScrollWnd& sw = *wide->ListSW();
    EXPECT_EQ(sw.NonClientHitTest(QPoint(190, 10)), TacScrollWnd::HTVSCROLL);
    EXPECT_EQ(sw.NonClientHitTest(QPoint(10, 70)), TacScrollWnd::HTHSCROLL);
    EXPECT_EQ(sw.NonClientHitTest(QPoint(50, 30)), TacScrollWnd::HTCLIENT);
    EXPECT_EQ(sw.NonClientHitTest(QPoint(0, 30)), TacScrollWnd::HTBORDER);
    EXPECT_EQ(sw.NonClientHitTest(QPoint(190, 70)), TacScrollWnd::HTBORDER);  // the corner square

    QScrollBar* platform = wide->horizontalScrollBar();
    ASSERT_GT(platform->maximum(), 0);
    QTest::mouseClick(horz, Qt::LeftButton, {}, QPoint(horz->width() - 5, 8));  // right arrow
    EXPECT_EQ(platform->value(), platform->singleStep());

    // The square where the bars meet takes the first vertical track section's colour.
    const QImage image = wide->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(200 - 2 - 8, 80 - 2 - 8)), SectionColor(*manager, "SCROLLBAR1V"));
}

TEST_F(MemoTest, AWrappedMemoNeverScrollsSidewaysButAnUnwrappedOneDoes) {
    // Set up as the About box's memo: text first, then the skin narrows the viewport by our bar.
    delete memo;
    memo = new TsMemo(window.get());
    memo->setGeometry(4, 5, 233, 67);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(1);
    memo->setPlainText(QStringLiteral(
        "This program comes with absolutely no warranty; it is free to use and to pass on, "
        "and these lines are long enough to wrap several times in a narrow box.\n"
        "Thisisonewordfarlongerthanthewholeboxiswidesoitmustbreakanywhereinsidethewordandnotjust.\n"
        "and a last short line"));
    memo->Loaded();
    memo->show();
    ASSERT_NE(memo->ListSW(), nullptr);
    QScrollBar* horizontal = memo->horizontalScrollBar();
    const auto expectNoSidewaysScroll = [&](const char* step) {
        EXPECT_EQ(horizontal->maximum(), 0) << step;
        EXPECT_EQ(horizontal->value(), 0) << step;
    };
    expectNoSidewaysScroll("after loading");

    QWidget* viewport = memo->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::keyClick(memo, Qt::Key_End);
    expectNoSidewaysScroll("End");
    QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
    expectNoSidewaysScroll("Shift+End");
    for (int line = 0; line < 6; ++line) {
        QTest::keyClick(memo, Qt::Key_Down);
        QTest::keyClick(memo, Qt::Key_End);
        expectNoSidewaysScroll("End on a later line");
    }

    // A selection dragged to (and past) the right edge.
    QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(3, 5));
    for (int x : {viewport->width() / 2, viewport->width() - 1, viewport->width() + 20}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), viewport->mapToGlobal(QPointF(x, 5)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        expectNoSidewaysScroll("drag to the right");
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(viewport->width() - 1, 5));
    EXPECT_TRUE(memo->textCursor().hasSelection());
    expectNoSidewaysScroll("after the drag");

    // Unwrapped, the long lines scroll sideways as usual; wrapped again, back to the left edge.
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ASSERT_GT(horizontal->maximum(), 0);
    QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_End);
    EXPECT_GT(horizontal->value(), 0);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    expectNoSidewaysScroll("wrapped again");
}

TEST_F(MemoTest, AHoverTickOverTheSamePartPaintsNothing) {
    TacScrollBarWidget* bar = Bar();
    ASSERT_NE(bar, nullptr);
    QCursor::setPos(bar->mapToGlobal(QPoint(8, 30)));
    if (bar->CursorPos() != TPoint{8, 30}) GTEST_SKIP() << "this platform does not move the cursor";
    bar->Bar().MouseMove(TPoint{8, 30});
    QApplication::processEvents();
    ASSERT_TRUE(bar->SkinPainted());
    const int painted = bar->PaintCount();
    for (int i = 0; i < 5; ++i) bar->Bar().TimerTick(TacScrollBar::HoverTimer);
    QApplication::processEvents();
    EXPECT_EQ(bar->PaintCount(), painted);
    QCursor::setPos(bar->mapToGlobal(QPoint(8, 5)));  // onto the up arrow
    bar->Bar().TimerTick(TacScrollBar::HoverTimer);
    QApplication::processEvents();
    EXPECT_EQ(bar->Bar().HotPart(), spLineUp);
    EXPECT_EQ(bar->PaintCount(), painted + 1);
}

TEST_F(MemoTest, ASkinWithoutScrollSectionsGetsThePlatformsBarLookWithTheSkinnedFrame) {
    manager->InternalSkins().Add(QStringLiteral("Plain"),
                                 testing::TestSkinPackage(testing::TestOptionsText("[EDIT]\nSTATES=1\nCOLOR=12632256\n")));
    manager->SetSkinName(QStringLiteral("Plain"));
    ASSERT_EQ(manager->GetSkinIndex(QStringLiteral("SCROLLBAR1V")), -1);
    ASSERT_TRUE(memo->Skinned());
    TacScrollBarWidget* bar = Bar();
    ASSERT_NE(bar, nullptr);
    const QImage image = Grab();
    EXPECT_FALSE(bar->SkinPainted());
    EXPECT_EQ(QColor(image.pixel(200, 60)), SectionColor(*manager, "EDIT"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, bar->height() - 5));
    EXPECT_EQ(Platform()->value(), 1);
}

}  // namespace
}  // namespace tornivex
