#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>

#include "AboutNotice.h"
#include "TacEditWnd.h"
#include "MakerInfo.h"
#include "ProgramStart.h"
#include "WindowPlacement.h"
#include "WindowTestSupport.h"
#include "sSkinManager.h"
#include "sSkinProvider.h"

namespace tornivex::testing {
namespace {

class AboutDialogTest : public WindowTest {
protected:
    // Clicks "About" and runs `inside` in the dialog's modal loop; returns the modal result.
    int OpenAbout(const std::function<void()>& inside) {
        bool ran = false;
        QTimer::singleShot(0, form2.get(), [&] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(form2.get()));
            inside();
            ran = true;
            // Whatever the test did, make sure the modal loop ends.
            if (form2->isVisible()) QTimer::singleShot(100, form2.get(), [&] { if (form2->isVisible()) form2->done(-1); });
        });
        QTest::mouseClick(form1->sButton2, Qt::LeftButton);
        EXPECT_TRUE(ran);
        return form2->result();
    }
};

TEST_F(AboutDialogTest, LayoutAndNotice) {
    EXPECT_EQ(form2->windowTitle(), "About");
    EXPECT_EQ(form2->size(), QSize(242, 143));
    EXPECT_EQ(form2->sMemo1->geometry(), QRect(4, 5, 233, 67));
    EXPECT_EQ(form2->sButton1->geometry(), QRect(83, 111, 75, 25));
    EXPECT_EQ(form2->sButton1->text(), "Close");
    EXPECT_EQ(form2->sWebLabel1->pos(), QPoint(64, 76));
    EXPECT_EQ(form2->sWebLabel1->Caption(), kMakerAddress);
    EXPECT_EQ(form2->Label2->pos(), QPoint(45, 94));
    EXPECT_EQ(form2->Label2->font().pixelSize(), 9);
    EXPECT_EQ(form2->Label2->FontColor(), clNavy);
    EXPECT_FALSE(form2->isVisible());  // created hidden

    const QStringList lines = form2->sMemo1->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 27);
    EXPECT_EQ(lines, AboutNoticeLines());
    for (int empty : {2, 10, 18}) EXPECT_TRUE(lines[empty - 1].isEmpty()) << empty;
    EXPECT_TRUE(lines.last().endsWith(u' '));
    EXPECT_GE(std::count_if(lines.begin(), lines.end(), [](const QString& l) { return l.endsWith(u' '); }), 5);
    EXPECT_FALSE(form2->sMemo1->isReadOnly());
    // The vertical bar always shows: with the active skin it is the skin's own.
    ASSERT_TRUE(form2->sMemo1->Skinned());
    ASSERT_NE(form2->sMemo1->ListSW(), nullptr);
    EXPECT_TRUE(form2->sMemo1->ListSW()->BarVisible(sbVert));
    EXPECT_FALSE(form2->sMemo1->ListSW()->BarVisible(sbHorz));
}

TEST_F(AboutDialogTest, OpensCentredOverTheMainWindowWithCloseFocused) {
    ShowMainWindow();
    form1->move(form1->pos() + QPoint(-120, 40));
    QTest::qWait(20);
    const int result = OpenAbout([&] {
        EXPECT_TRUE(form2->isModal());
        // A transient child of the main window: compositors that place windows put it over its owner.
        EXPECT_EQ(form2->windowHandle()->transientParent(), form1->windowHandle());
        EXPECT_EQ(QApplication::focusWidget(), form2->sButton1);
        const QPoint mainCentre = form1->geometry().center();
        const QPoint aboutCentre = form2->geometry().center();
        EXPECT_LE(std::abs(mainCentre.x() - aboutCentre.x()), 1);
        EXPECT_LE(std::abs(mainCentre.y() - aboutCentre.y()), 1);
        QTest::mouseClick(form2->sButton1, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(form2->isVisible());
}

TEST_F(AboutDialogTest, SpaceAndEnterCloseButEscapeDoesNot) {
    ShowMainWindow();
    EXPECT_EQ(OpenAbout([&] { QTest::keyClick(form2->sButton1, Qt::Key_Space); }), QDialog::Accepted);
    EXPECT_EQ(OpenAbout([&] {
                  QTest::keyClick(form2->sButton1, Qt::Key_Return);
                  QTest::qWait(250);
              }),
              QDialog::Accepted);
    bool stillOpen = false;
    const int result = OpenAbout([&] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::qWait(50);
        stillOpen = form2->isVisible();
        form2->close();  // the frame's close button
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(AboutDialogTest, ClosingGivesTheMainWindowBackItsActivationAndFocus) {
    ShowMainWindow();
    form1->sButton2->setFocus();
    EXPECT_EQ(OpenAbout([&] {
                  EXPECT_EQ(TsSkinProvider::Of(form1.get())->FormActive(), 0);
                  QTest::keyClick(form2->sButton1, Qt::Key_Space);
              }),
              QDialog::Accepted);
    // Without a desktop to hand activation back, the window would stay grey and deaf to keys.
    EXPECT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    EXPECT_EQ(TsSkinProvider::Of(form1.get())->FormActive(), 1);
    EXPECT_EQ(QApplication::focusWidget(), form1->sButton2);
}

TEST_F(AboutDialogTest, MemoTextAndPositionPersistBetweenShowings) {
    ShowMainWindow();
    OpenAbout([&] {
        form2->sMemo1->setFocus();
        form2->sMemo1->moveCursor(QTextCursor::Start);
        QTest::keyClicks(form2->sMemo1, "Note: ");
        form2->sMemo1->verticalScrollBar()->setValue(3);
        form2->close();
    });
    OpenAbout([&] {
        EXPECT_TRUE(form2->sMemo1->toPlainText().startsWith("Note: Tornivex"));
        EXPECT_EQ(form2->sMemo1->verticalScrollBar()->value(), 3);
        // The memo had the focus when the dialog closed, so it has it again.
        EXPECT_EQ(QApplication::focusWidget(), form2->sMemo1);
        QTest::mouseClick(form2->sButton1, Qt::LeftButton);
    });
}

TEST_F(AboutDialogTest, MemoScrollsToTheLastLine) {
    ShowMainWindow();
    OpenAbout([&] {
        QScrollBar* bar = form2->sMemo1->verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0);
        bar->setValue(bar->maximum());
        const QTextBlock last = form2->sMemo1->document()->lastBlock();
        EXPECT_TRUE(form2->sMemo1->cursorRect(QTextCursor(last)).bottom() <=
                    form2->sMemo1->viewport()->height());
        form2->close();
    });
}

// Pastes and drops reach the memo only as plain text; nothing, no text or an empty text does
// nothing on every path (the platform's own insertion has crashed on a clipboard nobody owns).
TEST_F(AboutDialogTest, MemoTakesOnlyPlainTextOnEveryPastePath) {
    TsMemo& memo = *form2->sMemo1;
    const QString notice = memo.toPlainText();
    form2->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2.get()));
    memo.setFocus();
    const auto withoutText = [](int kind) {
        auto* data = new QMimeData;
        if (kind == 1) data->setImageData(QImage(4, 4, QImage::Format_RGB32));
        if (kind == 2) data->setUrls({QUrl(QStringLiteral("file:///tmp"))});
        if (kind == 3) data->setText(QString());
        if (kind == 4) data->setHtml(QStringLiteral("<b></b>"));
        return data;
    };
    const auto pasteEverywhere = [&] {
        QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&memo, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(memo.viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
        QTimer::singleShot(0, &memo, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    if (action->objectName() == QLatin1String("edit-paste")) action->trigger();
                menu->close();
            }
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5), memo.viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(memo.viewport(), &menuEvent);
    };
    const auto drop = [&](QMimeData* data) {
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(memo.viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(memo.viewport(), &move);
        QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(memo.viewport(), &dropped);
        delete data;
    };
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.clear();
    pasteEverywhere();
    for (int kind = 0; kind <= 4; ++kind) {
        clipboard.setMimeData(withoutText(kind));
        pasteEverywhere();
        drop(withoutText(kind));
    }
    EXPECT_EQ(memo.toPlainText(), notice);

    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>bold</b>"));
    rich->setText(QStringLiteral("plain"));
    clipboard.setMimeData(rich);
    memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo.toPlainText(), notice + "plain");
    EXPECT_FALSE(memo.document()->toHtml().contains(QStringLiteral("font-weight:700")));
    clipboard.clear();
    form2->hide();
}

TEST_F(AboutDialogTest, GoldenImage) {
    ShowMainWindow();
    OpenAbout([&] {
        ExpectMatchesGolden(form2->grab().toImage(), "about-dialog");
        form2->close();
    });
}

// The program's start builds About only when "About" first asks for it, under the skin on screen
// by then, and every later ask gets that same dialog; Form1 and Form2 point at the windows while
// they exist.
TEST(AboutOnFirstAsk, BuiltUnderTheSkinOnScreenThenReused) {
    auto program = std::make_unique<TProgramStart>(*platform::TApplication::Instance());
    EXPECT_EQ(Form2, nullptr);
    EXPECT_EQ(Form1, &program->MainWindow);
    program->MainWindow.sSkinManager1->SetSkinName(QStringLiteral("Topaz (internal)"));
    program->MainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->MainWindow));
    QTimer::singleShot(0, &program->MainWindow, [&] {
        ASSERT_NE(Form2, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Form2));
        const TsSkinProvider* provider = TsSkinProvider::Of(Form2);
        EXPECT_TRUE(provider && provider->Skinned());
        EXPECT_EQ(program->MainWindow.sSkinManager1->SkinName(), QStringLiteral("Topaz (internal)"));
        Form2->done(1);
    });
    QTest::mouseClick(program->MainWindow.sButton2, Qt::LeftButton);
    TForm2* first = Form2;
    EXPECT_EQ(&program->About(), first);
    program.reset();
    EXPECT_EQ(Form2, nullptr);
    EXPECT_EQ(Form1, nullptr);
}

}  // namespace
}  // namespace tornivex::testing
