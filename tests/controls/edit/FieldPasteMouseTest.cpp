// Pasting through the real clipboard (Ctrl+V, Shift+Insert, the context menu), the mouse rules
// around the suffix, and the field's look.
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "EditTestSupport.h"

namespace tornivex::testing {
namespace {

const QString kDegree = QStringLiteral("\u00B0");

class FieldPaste : public FieldWindowTest {};

TEST_F(FieldPaste, PerTypeAcceptance) {
    BuildWindow();
    SetClipboard(QStringLiteral("12a"));
    Enter(edMicro);
    edMicro->SelectAll();
    Key(edMicro, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));
    EXPECT_FALSE(edMicro->Modified());

    SetClipboard(QStringLiteral("1,234.5"));
    Enter(edR1);
    edR1->SelectAll();
    Key(edR1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edR1->text(), QStringLiteral("1234.5"));
    EXPECT_TRUE(edR1->Modified());

    SetClipboard(QStringLiteral("-3"));
    Enter(edR2);
    edR2->SelectAll();
    Key(edR2, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edR2->text(), QStringLiteral("1"));
}

TEST_F(FieldPaste, FloatPasteIsRoundedAndSelected) {
    BuildWindow();
    SetClipboard(QStringLiteral("  1.23456\r\nrest"));
    Enter(degED1);
    degED1->SelectAll();
    Key(degED1, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(degED1->text(), QStringLiteral("1.235") + kDegree);
    EXPECT_TRUE(degED1->hasSelectedText());
    EXPECT_LE(degED1->selectionEnd(), 5);  // never into the suffix
}

TEST_F(FieldPaste, InsertAtTheCaretPutsTheCaretBehind) {
    BuildWindow();
    SetClipboard(QStringLiteral("25"));
    Enter(edMicro);
    edMicro->setCursorPosition(1);
    Key(edMicro, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edMicro->text(), QStringLiteral("1250"));
    EXPECT_EQ(edMicro->cursorPosition(), 3);
}

TEST_F(FieldPaste, CommaLocale) {
    BuildWindow(u',', u'.');
    SetClipboard(QStringLiteral("2,5"));
    Enter(edR2);
    edR2->SelectAll();
    Key(edR2, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edR2->text(), QStringLiteral("2,5"));
    SetClipboard(QStringLiteral("1.234,5"));
    edR2->SelectAll();
    Key(edR2, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edR2->text(), QStringLiteral("1234,5"));
}

TEST_F(FieldPaste, VetoAndMaxLength) {
    BuildWindow();
    QString offered;
    edMicro->OnClipboardPaste = [&](TAdvEdit&, const QString& value, bool& allow) {
        offered = value;
        allow = false;
    };
    SetClipboard(QStringLiteral("7"));
    Enter(edMicro);
    edMicro->setCursorPosition(2);
    Key(edMicro, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(offered, QStringLiteral("107"));
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));

    edMicro->OnClipboardPaste = nullptr;
    edMicro->SetMaxLength(3);
    SetClipboard(QStringLiteral("23"));
    Key(edMicro, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));
    SetClipboard(QStringLiteral("2"));
    Key(edMicro, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edMicro->text(), QStringLiteral("102"));
}

TEST_F(FieldPaste, ReadOnlyOrEmptyClipboardDoNothing) {
    BuildWindow();
    Enter(edMicro);
    edMicro->setReadOnly(true);
    SetClipboard(QStringLiteral("5"));
    edMicro->SelectAll();
    Key(edMicro, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));
    edMicro->setReadOnly(false);
    SetClipboard(QString());
    Key(edMicro, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));
}

TEST_F(FieldPaste, ContextMenuPasteFollowsTheRules) {
    BuildWindow();
    Enter(edMicro);
    edMicro->SelectAll();
    // Opens the field's menu and triggers an entry by its object name once the menu is up.
    const auto pick = [this](TAdvEdit* field, const char* name) {
        QTimer::singleShot(0, [name] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->objectName() == QLatin1String(name)) action->trigger();
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &event);
        window->activateWindow();  // the offscreen platform does not hand activation back itself
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    };
    SetClipboard(QStringLiteral("x9"));
    pick(edMicro, "edit-paste");
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));
    SetClipboard(QStringLiteral("99"));
    edMicro->SelectAll();
    pick(edMicro, "edit-paste");
    EXPECT_EQ(edMicro->text(), QStringLiteral("99"));

    Enter(degED1);
    degED1->setCursorPosition(0);
    pick(degED1, "select-all");
    EXPECT_EQ(degED1->selectedText(), QStringLiteral("1.8"));
}

class FieldMouse : public FieldWindowTest {};

TEST_F(FieldMouse, ClickInTheSuffixPutsTheCaretAtTheValueEnd) {
    BuildWindow();
    Enter(degED1);
    const int right = degED1->width() - 4;
    QTest::mouseClick(degED1, Qt::LeftButton, Qt::NoModifier, QPoint(right, 10));
    EXPECT_FALSE(degED1->hasSelectedText());
    EXPECT_LE(degED1->cursorPosition(), 3);
}

TEST_F(FieldMouse, DragIntoTheSuffixIsCutBack) {
    BuildWindow();
    Enter(degED1);
    const int y = degED1->height() / 2;
    QTest::mousePress(degED1, Qt::LeftButton, Qt::NoModifier, QPoint(2, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(degED1->width() - 2, y),
                     degED1->mapToGlobal(QPointF(degED1->width() - 2, y)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(degED1, &move);
    QTest::mouseRelease(degED1, Qt::LeftButton, Qt::NoModifier, QPoint(degED1->width() - 2, y));
    EXPECT_EQ(degED1->selectedText(), QStringLiteral("1.8"));
}

class FieldLook : public FieldWindowTest {};

TEST_F(FieldLook, PropertiesAndVersion) {
    BuildWindow();
    TAdvEdit fresh;
    EXPECT_EQ(fresh.EditType(), etString);
    EXPECT_EQ(fresh.Precision(), 0);
    EXPECT_EQ(fresh.PrecisionDisplay(), pdNormal);
    EXPECT_EQ(fresh.EditAlign(), eaLeft);
    EXPECT_EQ(fresh.FocusAlign(), eaDefault);
    EXPECT_TRUE(fresh.CanUndo());
    EXPECT_TRUE(fresh.AutoSelect());
    EXPECT_TRUE(fresh.DefaultHandling());
    EXPECT_TRUE(fresh.AutoThousandSeparator());
    EXPECT_FALSE(fresh.Signed());
    EXPECT_EQ(fresh.DisabledColor(), QColor(192, 192, 192));
    EXPECT_EQ(fresh.Version(), QStringLiteral("3.1.1.1"));
    fresh.SetVersion(QStringLiteral("9"));
    EXPECT_EQ(fresh.Version(), QStringLiteral("3.1.1.1"));
    EXPECT_EQ(fresh.GetVersionNr(), 0x03010101);
    EXPECT_TRUE(fresh.Validate(QString()));
    EXPECT_TRUE(fresh.IsURL(QStringLiteral("https://www.tornivex.example")));
    EXPECT_TRUE(fresh.IsURL(QStringLiteral("sales@tornivex.example")));
    EXPECT_FALSE(fresh.IsURL(QStringLiteral("1.8")));
    EXPECT_TRUE(degED1->alignment() & Qt::AlignHCenter);
    fresh.SetEditType(etPassword);
    EXPECT_EQ(fresh.echoMode(), QLineEdit::Password);
    EXPECT_FALSE(fresh.CanUndo());
    fresh.SetText(QStringLiteral("ab"));
    EXPECT_EQ(fresh.displayText(), QStringLiteral("**"));
}

// The darkest grey inside the frame: 255 when nothing is drawn there.
int DarkestInside(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() == c.green() && c.green() == c.blue()) darkest = std::min(darkest, c.red());
        }
    return darkest;
}

TEST_F(FieldLook, HintTextIsGreyWhileEmpty) {
    BuildWindow();
    edR1->SetAllowNumericNullValue(true);
    edR1->SetText(QString());
    EXPECT_EQ(edR1->text(), QString());
    EXPECT_GE(DarkestInside(edR1), 240);  // empty, no hint: nothing drawn
    edR1->SetEmptyText(QStringLiteral("ratio"));
    const int hint = DarkestInside(edR1);
    EXPECT_LT(hint, 200);  // the hint is drawn...
    EXPECT_GE(hint, 120);  // ...in grey (128, 128, 128), never darker
    edR1->SetText(QStringLiteral("40"));
    EXPECT_LT(DarkestInside(edR1), 120);  // a value is drawn in the black window text instead
}

}  // namespace
}  // namespace tornivex::testing
