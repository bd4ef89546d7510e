// Both windows with the skin on: the frame picture and outline, the close button's hover, press
// and release, moving by the title strip, activation, the About dialog skinned before its first
// paint, label recolouring, the link label's hover and press, and removing and returning the skin.
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "MakerInfo.h"
#include "Shell.h"
#include "skin/data/SkinPalette.h"
#include "WindowTestSupport.h"
#include "acProvider.h"
#include "acSBAnimation.h"
#include "skin/data/SkinCommand.h"
#include "skin/paint/Background.h"
#include "sSkinManager.h"
#include "sSkinProvider.h"

namespace tornivex::testing {
namespace {

class SkinnedWindowTest : public WindowTest {
protected:
    TsSkinProvider& Provider1() { return *form1->sSkinProvider1; }
    QPoint CloseCentre(TsSkinProvider& provider) {
        const TRect& r = provider.ButtonClose().Rect;
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    // The colour a plain label paints with, resolved.
    static TColor ColorOf(const platform::TLabel* label) {
        return ColorToRGB(static_cast<TColor>(label->FontColor()));
    }
    // Moves the mouse over the form without buttons, as the desktop reports it.
    void MoveMouse(QWidget* form, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), form->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form, &move);
    }
    TColor PaletteColor(int slot) { return form1->sSkinManager1->Palette()[static_cast<std::size_t>(slot)]; }
};

TEST_F(SkinnedWindowTest, MainWindowIsOneFramelessPictureWithCutCorners) {
    ShowMainWindow();
    EXPECT_EQ(form1->size(), QSize(541, 206));
    EXPECT_TRUE(form1->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form1->Client()->geometry(), QRect(3, 26, 535, 177));
    EXPECT_EQ(Provider1().OffsetX(), 3);
    EXPECT_EQ(Provider1().OffsetY(), 26);
    EXPECT_TRUE(Provider1().Skinned());

    // The outline: 5 pixels cut on the top row at both ends, none inside.
    const QRegion mask = form1->mask();
    for (int x = 0; x < 5; ++x) {
        EXPECT_FALSE(mask.contains(QPoint(x, 0))) << x;
        EXPECT_FALSE(mask.contains(QPoint(540 - x, 205))) << x;
    }
    EXPECT_TRUE(mask.contains(QPoint(5, 0)));
    EXPECT_TRUE(mask.contains(QPoint(270, 100)));

    // The close button sits at its computed place.
    const TRect& close = Provider1().ButtonClose().Rect;
    EXPECT_EQ(close.Right, 541 - 4 - 4 - 2);
    EXPECT_EQ(close.Width(), 15);
    EXPECT_EQ(close.Height(), 14);

    // The picture behind the controls is the form section, not the desktop's plain colour.
    const QImage picture = form1->grab().toImage();
    EXPECT_NE(picture.pixelColor(300, 120), form1->palette().color(QPalette::Window));
}

TEST_F(SkinnedWindowTest, ReleaseOverThePressedCloseButtonClosesTheWindow) {
    ShowMainWindow();
    const QPoint centre = CloseCentre(Provider1());
    QTest::mousePress(form1.get(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(Provider1().ButtonClose().State, 2);
    ASSERT_NE(Provider1().CloseAnimation(), nullptr);
    EXPECT_EQ(Provider1().CloseAnimation()->Opacity(), 255);  // pressed shows at once
    // Released elsewhere: nothing happens.
    QTest::mouseRelease(form1.get(), Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(Provider1().ButtonClose().State, 0);
    // Pressed and released over it: the window closes.
    QTest::mousePress(form1.get(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(form1.get(), Qt::LeftButton, {}, centre);
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(SkinnedWindowTest, HoverFadesTheHotFrameInOverTenSteps) {
    ShowMainWindow();
    MoveMouse(form1.get(), CloseCentre(Provider1()));
    EXPECT_EQ(Provider1().ButtonClose().State, 1);
    TacSBAnimation* fade = Provider1().CloseAnimation();
    ASSERT_NE(fade, nullptr);
    EXPECT_TRUE(fade->Running());
    EXPECT_EQ(fade->Opacity(), 0);
    const QImage before = form1->grab().toImage();
    for (int level = 1; level < 10; ++level) {
        EXPECT_TRUE(fade->Step());
        EXPECT_EQ(fade->Opacity(), level * 25);
    }
    // The last step reaches full opacity and ends the fade; the cursor is still on the button.
    QCursor::setPos(form1->mapToGlobal(CloseCentre(Provider1())));
    EXPECT_FALSE(fade->Step());
    EXPECT_EQ(fade->Opacity(), 255);
    EXPECT_FALSE(fade->Running());
    const QImage after = form1->grab().toImage();
    const TRect& r = Provider1().ButtonClose().Rect;
    EXPECT_NE(before.copy(r.Left, r.Top, r.Width(), r.Height()), after.copy(r.Left, r.Top, r.Width(), r.Height()));
    // Leaving fades it out again, step by step, to the normal frame.
    MoveMouse(form1.get(), QPoint(100, 100));
    EXPECT_EQ(Provider1().ButtonClose().State, 0);
    int steps = 0;
    while (fade->Step()) ++steps;
    EXPECT_EQ(steps, 9);
    EXPECT_EQ(fade->Opacity(), 0);
    EXPECT_EQ(form1->grab().toImage().copy(r.Left, r.Top, r.Width(), r.Height()),
              before.copy(r.Left, r.Top, r.Width(), r.Height()));
}

TEST_F(SkinnedWindowTest, AFadeTurnsRoundWhereItIs) {
    ShowMainWindow();
    MoveMouse(form1.get(), CloseCentre(Provider1()));
    TacSBAnimation* fade = Provider1().CloseAnimation();
    ASSERT_NE(fade, nullptr);
    for (int i = 0; i < 4; ++i) fade->Step();
    EXPECT_EQ(fade->Opacity(), 100);
    // Leaving half-way fades out from there: four steps back to nothing.
    MoveMouse(form1.get(), QPoint(100, 100));
    int steps = 1;
    while (fade->Step()) ++steps;
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(fade->OverlayState(), -1);
    // Pressing during a fade-in shows the pressed frame at full strength at once.
    MoveMouse(form1.get(), CloseCentre(Provider1()));
    fade->Step();
    QTest::mousePress(form1.get(), Qt::LeftButton, {}, CloseCentre(Provider1()));
    EXPECT_EQ(fade->OverlayState(), 2);
    EXPECT_EQ(fade->Opacity(), 255);
    EXPECT_FALSE(fade->Running());
    // Dragged off while pressed: not pressed any more, and releasing there closes nothing.
    QMouseEvent off(QEvent::MouseMove, QPointF(200, 100), form1->mapToGlobal(QPointF(200, 100)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form1.get(), &off);
    EXPECT_EQ(Provider1().ButtonClose().State, 0);
    QTest::mouseRelease(form1.get(), Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_TRUE(form1->isVisible());
}

TEST_F(SkinnedWindowTest, GoingStraightIntoTheClientAreaLeavesTheCloseButton) {
    ShowMainWindow();
    MoveMouse(form1.get(), CloseCentre(Provider1()));
    EXPECT_EQ(Provider1().ButtonClose().State, 1);
    QEnterEvent enter(QPointF(500, 5), QPointF(500, 5), form1->Client()->mapToGlobal(QPointF(500, 5)));
    QApplication::sendEvent(form1->Client(), &enter);
    EXPECT_EQ(Provider1().ButtonClose().State, 0);
}

TEST_F(SkinnedWindowTest, DraggingTheTitleMovesTheWindow) {
    ShowMainWindow();
    const QPoint start = form1->pos();
    QTest::mousePress(form1.get(), Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(form1->pos(), start);  // a press alone moves nothing
    // The offscreen desktop offers no interactive move, so the window follows the cursor itself.
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 30), form1->mapToGlobal(QPointF(130, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form1.get(), &move);
    EXPECT_EQ(form1->pos(), start + QPoint(30, 20));
    QTest::mouseRelease(form1.get(), Qt::LeftButton, {}, QPoint(100, 10));
}

TEST_F(SkinnedWindowTest, ADragWhoseReleaseWasLostEndsWithTheNextMoveWithoutTheButton) {
    ShowMainWindow();
    const QPoint start = form1->pos();
    QTest::mousePress(form1.get(), Qt::LeftButton, {}, QPoint(100, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(130, 30), form1->mapToGlobal(QPointF(130, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form1.get(), &drag);
    ASSERT_EQ(form1->pos(), start + QPoint(30, 20));
    // The window hides and shows again; its release went to nobody.
    form1->hide();
    form1->show();
    MoveMouse(form1.get(), QPoint(300, 120));
    EXPECT_EQ(form1->pos(), start + QPoint(30, 20));
}

// Shows `other` as a plain top-level window and makes it the active one.
void ActivateOtherWindow(QWidget& other) {
    other.setWindowTitle(QStringLiteral("other"));
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
}

TEST_F(SkinnedWindowTest, ActivationChangesTheCaptionColour) {
    ShowMainWindow();
    EXPECT_EQ(Provider1().FormActive(), 1);
    const QImage active = form1->grab().toImage();
    QWidget other;
    ASSERT_NO_FATAL_FAILURE(ActivateOtherWindow(other));
    EXPECT_EQ(Provider1().FormActive(), 0);
    const QImage inactive = form1->grab().toImage();
    // The title strip differs (caption colour, faint button); the background under the result
    // lines does not.
    EXPECT_NE(active.copy(0, 0, 541, 26), inactive.copy(0, 0, 541, 26));
    EXPECT_EQ(active.copy(260, 95, 270, 45), inactive.copy(260, 95, 270, 45));
}

TEST_F(SkinnedWindowTest, AnErrorBoxGivesTheWindowBackItsActivationWhenItCloses) {
    ShowMainWindow();
    form1->sButton1->setFocus();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Invalid value"),
                    QMessageBox::Ok, form1.get());
    bool wasInactive = false;
    QTimer::singleShot(0, &box, [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }));
        wasInactive = Provider1().FormActive() == 0;
        QTest::keyClick(&box, Qt::Key_Return);
    });
    box.exec();
    EXPECT_TRUE(wasInactive);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    EXPECT_EQ(Provider1().FormActive(), 1);
    EXPECT_EQ(QApplication::focusWidget(), form1->sButton1);
}

TEST_F(SkinnedWindowTest, RightClickOnTheCaptionOffersMoveAndClose) {
    ShowMainWindow();
    QTest::mouseClick(form1.get(), Qt::RightButton, {}, QPoint(100, 10));
    QMenu* menu = Provider1().SystemMenu();
    ASSERT_NE(menu, nullptr);
    QStringList visible;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator()) visible << action->objectName();
    EXPECT_EQ(visible, (QStringList{"miMove", "miClose"}));
    menu->close();
}

// Chooses "Move" from the caption's menu with the cursor resting on the title strip.
void StartMoveFromMenu(TForm1& form, TsSkinProvider& provider) {
    QCursor::setPos(form.mapToGlobal(QPoint(100, 10)));
    QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(100, 10));
    QMenu* menu = provider.SystemMenu();
    ASSERT_NE(menu, nullptr);
    QAction* move = menu->findChild<QAction*>(QStringLiteral("miMove"));
    if (!move)
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String("miMove")) move = action;
    ASSERT_NE(move, nullptr);
    menu->close();
    move->trigger();
}

TEST_F(SkinnedWindowTest, MoveFromTheMenuEndsWithTheDroppingClickAndFreesTheMouse) {
    ShowMainWindow();
    const QPoint start = form1->pos();
    StartMoveFromMenu(*form1, Provider1());
    EXPECT_EQ(QWidget::mouseGrabber(), form1.get());

    // The window follows the cursor without a button held.
    const QPoint cursor = form1->mapToGlobal(QPoint(100, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 35), QPointF(cursor + QPoint(40, 25)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form1.get(), &move);
    EXPECT_EQ(form1->pos(), start + QPoint(40, 25));

    // A left click drops it where it is and lets go of mouse and keyboard.
    QTest::mouseClick(form1.get(), Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    EXPECT_EQ(form1->pos(), start + QPoint(40, 25));

    // Controls take clicks again, and the cursor no longer drags the window along.
    form1->edR1->setFocus();
    QTest::mouseClick(form1->edMicro, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(form1->edMicro->hasFocus());
    MoveMouse(form1.get(), QPoint(20, 60));
    EXPECT_EQ(form1->pos(), start + QPoint(40, 25));
}

TEST_F(SkinnedWindowTest, MoveFromTheMenuByKeyboardAndEscapeReturnsTheWindow) {
    ShowMainWindow();
    const QPoint start = form1->pos();
    StartMoveFromMenu(*form1, Provider1());
    const QString before = form1->edMicro->text();
    QTest::keyClick(form1.get(), Qt::Key_Right);
    QTest::keyClick(form1.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(form1->pos(), start + QPoint(10, 1));
    QTest::keyClick(form1.get(), Qt::Key_7);  // typing goes nowhere while the window moves
    EXPECT_EQ(form1->edMicro->text(), before);
    QTest::keyClick(form1.get(), Qt::Key_Escape);
    EXPECT_EQ(form1->pos(), start);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);

    // Enter keeps the new place.
    StartMoveFromMenu(*form1, Provider1());
    QTest::keyClick(form1.get(), Qt::Key_Left);
    QTest::keyClick(form1.get(), Qt::Key_Return);
    EXPECT_EQ(form1->pos(), start - QPoint(10, 0));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
}

TEST_F(SkinnedWindowTest, MoveFromTheMenuLetsGoWhenTheWindowHidesOrLosesActivation) {
    ShowMainWindow();
    StartMoveFromMenu(*form1, Provider1());
    ASSERT_EQ(QWidget::mouseGrabber(), form1.get());
    QWidget other;
    ASSERT_NO_FATAL_FAILURE(ActivateOtherWindow(other));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    other.close();

    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    StartMoveFromMenu(*form1, Provider1());
    ASSERT_EQ(QWidget::mouseGrabber(), form1.get());
    form1->hide();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
}

TEST_F(SkinnedWindowTest, AboutIsSkinnedBeforeItsFirstPaint) {
    ShowMainWindow();
    // Watches from the application, so it sees the dialog's first paint whoever handles it.
    struct FirstPaint : QObject {
        QWidget* dialog = nullptr;
        bool seen = false;
        bool skinned = false;
        QSize size;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (watched == dialog && event->type() == QEvent::Paint && !seen) {
                seen = true;
                TsSkinProvider* provider = TsSkinProvider::Of(watched);
                skinned = provider && provider->Skinned();
                size = static_cast<QWidget*>(watched)->size();
            }
            return false;
        }
    } watch;
    watch.dialog = form2.get();
    qApp->installEventFilter(&watch);
    form2->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2.get()));
    QTest::qWait(10);
    EXPECT_TRUE(watch.seen);
    EXPECT_TRUE(watch.skinned);
    EXPECT_EQ(watch.size, QSize(248, 172));
    EXPECT_EQ(form2->Client()->pos(), QPoint(3, 26));
    ASSERT_EQ(TacProvider::All().size(), 1);
    EXPECT_FALSE(TacProvider::All().first()->Provider()->UseGlobalColor);
    // The copyright line is recoloured like the main window's labels.
    EXPECT_EQ(ColorOf(form2->Label2), PaletteColor(pcLabelText));
    // Its close button ends the dialog.
    TsSkinProvider* provider = TsSkinProvider::Of(form2.get());
    QTest::mouseClick(form2.get(), Qt::LeftButton, {}, CloseCentre(*provider));
    EXPECT_FALSE(form2->isVisible());
    qApp->removeEventFilter(&watch);
}

TEST_F(SkinnedWindowTest, ExcludedWindowsKeepTheDesktopLook) {
    ShowMainWindow();
    TForm2 tagged(form1.get());
    SetTag(&tagged, acNoSkinTag);
    tagged.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tagged));
    EXPECT_EQ(TsSkinProvider::Of(&tagged), nullptr);
    EXPECT_EQ(tagged.size(), QSize(242, 143));
    tagged.hide();

    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tornivex"), QStringLiteral("x"), QMessageBox::Ok,
                    form1.get());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(TsSkinProvider::Of(&box), nullptr);
    box.hide();
}

TEST_F(SkinnedWindowTest, ChildrenOfTheClientAreaGetTheWindowPictureUnderThem) {
    ShowMainWindow();
    const TBitmap32* cache = Provider1().SkinData().FCacheBmp.get();
    ASSERT_NE(cache, nullptr);
    // Asked for the bitmap: the window picture, with the client area's place in it.
    paint::BackgroundQuery query;
    query.Offset = TPoint{10, 20};
    SendSkinCommand(form1->Client(), scGetBackground, reinterpret_cast<std::intptr_t>(&query));
    EXPECT_EQ(query.Kind, paint::bkCache);
    EXPECT_EQ(query.Bmp, cache);
    EXPECT_EQ(query.Offset, (TPoint{10 + 3, 20 + 26}));
    // Asked to draw: the part under a child at (100, 40) of the client lands in the child's bitmap.
    TBitmap32 under(30, 10);
    paint::BackgroundQuery draw;
    draw.PleaseDraw = true;
    draw.DrawDC = &under;
    draw.Offset = TPoint{100, 40};
    draw.R = TRect{0, 0, 30, 10};
    SendSkinCommand(form1->Client(), scGetBackground, reinterpret_cast<std::intptr_t>(&draw));
    EXPECT_EQ(draw.Kind, paint::bkCache);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(under.Pixel(x, y), cache->Pixel(103 + x, 66 + y)) << x << "," << y;
    // The form itself answers in window coordinates, and names the offsets (command 61).
    paint::BackgroundQuery direct;
    SendSkinCommand(form1.get(), scGetBackground, reinterpret_cast<std::intptr_t>(&direct));
    EXPECT_EQ(direct.Offset, (TPoint{0, 0}));
    EXPECT_EQ(SendSkinCommand(form1.get(), 61), (26 << 16) | 3);
    EXPECT_EQ(SendSkinCommand(form1.get(), scIsSkinned), 1);
    EXPECT_EQ(SendSkinCommand(form1->Client(), scIsSkinned), 0);  // walked like any container
}

TEST_F(SkinnedWindowTest, AProviderNeedsAForm) {
    QWidget form;
    QWidget child(&form);
    try {
        TsSkinProvider provider(&child);
        FAIL() << "a provider on a control was accepted";
    } catch (const EAbort& e) {
        EXPECT_STREQ(e.what(), "TsSkinProvider component may be used with forms only!");
    }
}

TEST_F(SkinnedWindowTest, LabelsTakeTheSkinColourAndGetTheirDesignBack) {
    ShowMainWindow();
    const TColor labelText = PaletteColor(pcLabelText);
    for (platform::TLabel* label : {form1->Label8, form1->Label13, form1->Label9, form1->Label11})
        EXPECT_EQ(ColorOf(label), labelText) << label->objectName().toStdString();
    EXPECT_EQ(form1->Label11->BackgroundColor(), clNone);  // transparent over the skin
    EXPECT_EQ(Provider1().SavedLabelColors.size(), 11u);
    const QImage skinned = form1->grab().toImage();

    form1->sSkinManager1->SetActive(false);
    EXPECT_FALSE(Provider1().Skinned());
    EXPECT_EQ(form1->Label13->FontColor(), clBlue);
    EXPECT_EQ(form1->Label9->FontColor(), clBlack);
    EXPECT_EQ(form1->Label8->FontColor(), clWindowText);
    EXPECT_EQ(form1->Label11->BackgroundColor(), clBtnFace);
    EXPECT_TRUE(Provider1().SavedLabelColors.empty());
    // The desktop's dialog frame: close only, fixed size, same client size.
    EXPECT_EQ(form1->size(), QSize(535, 177));
    const Qt::WindowFlags flags = form1->windowFlags();
    EXPECT_FALSE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form1->minimumSize(), form1->maximumSize());
    EXPECT_EQ(form1->Client()->pos(), QPoint(0, 0));
    EXPECT_TRUE(form1->mask().isEmpty());

    form1->sSkinManager1->SetActive(true);
    QTest::qWait(10);
    EXPECT_TRUE(Provider1().Skinned());
    EXPECT_EQ(ColorOf(form1->Label13), labelText);
    EXPECT_EQ(form1->size(), QSize(541, 206));
    EXPECT_EQ(form1->grab().toImage(), skinned);
}

TEST_F(SkinnedWindowTest, LinkLabelHoverAndPress) {
    ShowMainWindow();
    TsWebLabel* link = form1->sWebLabel1;
    EXPECT_EQ(link->CurrentTextColor(), PaletteColor(pcWebText));
    EXPECT_EQ(link->font().pixelSize(), 12);
    const int normalWidth = link->width();
    QEnterEvent enter(QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)), link->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->MouseAbove());
    EXPECT_EQ(link->font().pixelSize(), 13);
    EXPECT_GT(link->width(), normalWidth);  // re-sized to the hover font
    EXPECT_EQ(link->CurrentTextColor(), PaletteColor(pcWebTextHot));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->MouseAbove());
    EXPECT_EQ(link->font().pixelSize(), 12);

    QStringList opened;
    platform::SetShellOpener([&](const QString& address) { opened << address; return true; });
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(opened, QStringList{kMakerURL});  // on the press, before any release
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(3, 3));
    link->SetURL(QString());
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(opened.size(), 1);  // an empty address does nothing
    platform::SetShellOpener(nullptr);
}

TEST_F(SkinnedWindowTest, ControlsAreNamedForAssistiveTechnology) {
    ShowMainWindow();
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(form1->Label13);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    ClickCalculate();
    EXPECT_EQ(label->text(QAccessible::Name), form1->Label13->Caption());
    EXPECT_FALSE(label->text(QAccessible::Name).isEmpty());
    for (QWidget* field : {static_cast<QWidget*>(form1->degED1), static_cast<QWidget*>(form1->edMicro),
                           static_cast<QWidget*>(form1->edR1), static_cast<QWidget*>(form1->edR2)})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).isEmpty());

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form1.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "4th Axis Tornivex");
    QAccessibleInterface* close = window->child(window->childCount() - 1);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->role(), QAccessible::PushButton);
    EXPECT_EQ(close->text(QAccessible::Name), "Close");
    EXPECT_EQ(window->indexOfChild(close), window->childCount() - 1);
    QAccessibleActionInterface* action = close->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(SkinnedWindowTest, GoldenImagesActiveAndInactive) {
    // The active pictures are the main window's and the About dialog's own golden images.
    ShowMainWindow();
    // Shown without its modality here, so that another window can take the activation.
    form2->setWindowModality(Qt::NonModal);
    form2->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2.get()));
    QWidget other;
    other.resize(50, 50);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(Provider1().FormActive(), 0);
    EXPECT_EQ(TsSkinProvider::Of(form2.get())->FormActive(), 0);
    ExpectMatchesGolden(form1->grab().toImage(), "main-window-inactive");
    ExpectMatchesGolden(form2->grab().toImage(), "about-dialog-inactive");
    form2->hide();
}

}  // namespace
}  // namespace tornivex::testing
