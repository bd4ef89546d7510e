// TAdvEdit: keys and typed characters. The caret and the selection stay inside
// the value; the suffix (and prefix) can be neither entered nor deleted.
#include <QCoreApplication>
#include <QKeyEvent>

#include "AdvEdit.h"
#include "LocaleSettings.h"
#include "QtText.h"
#include "TApplication.h"
#include "TypedChars.h"

namespace tornivex {

using edit::ToQString;
using edit::ToU16;

namespace {

bool IsFloatField(TAdvEditType type) { return type == etFloat || type == etMoney; }

}  // namespace

void TAdvEdit::keyPressEvent(QKeyEvent* event) {
    // Handlers may raise (a paste reads FloatValue): the error display shows it.
    event->accept();
    platform::RunGuarded([&] {
        if (!HandleKeyDown(event)) HandleCharacter(event);
    });
}

// Keys handled before they become characters. True when the key is dealt with.
bool TAdvEdit::HandleKeyDown(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {  // Ctrl+V, Shift+Insert
        PasteFromClipboard();
        return true;
    }
    if (event->matches(QKeySequence::SelectAll)) {  // Ctrl+A selects the value only
        SelectAll();
        return true;
    }
    const edit::ValueSpan span = CurrentValueSpan();
    const int valueStart = static_cast<int>(span.start);
    const int valueEnd = static_cast<int>(span.end);
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool hasSuffix = !value_.Settings().Suffix.empty();
    const bool hasPrefix = !value_.Settings().Prefix.empty();
    switch (event->key()) {
        case Qt::Key_Right:
            return hasSuffix && SelectionEnd() >= valueEnd;
        case Qt::Key_Left:
            return hasPrefix && !hasSelectedText() && cursorPosition() <= valueStart;
        case Qt::Key_End:
            if (!hasSuffix) return false;
            if (shift) setSelection(SelectionAnchor(), valueEnd - SelectionAnchor());
            else setCursorPosition(valueEnd);
            return true;
        case Qt::Key_Home:
            if (!hasPrefix) return false;
            if (shift) setSelection(SelectionAnchor(), valueStart - SelectionAnchor());
            else setCursorPosition(valueStart);
            return true;
        case Qt::Key_Delete:
            if (hasSuffix && !hasSelectedText() && cursorPosition() >= valueEnd) return true;
            value_.SetModified(true);
            if (event->modifiers() & Qt::ControlModifier) {
                // Delete to the end of the word, but never into the suffix.
                cursorWordForward(true);
                if (selectionEnd() > valueEnd) setSelection(selectionStart(), valueEnd - selectionStart());
                del();
                return true;
            }
            return false;
        case Qt::Key_Escape:
            if (canUndo_) {
                UndoToOrigText();
            } else if (!defaultHandling_) {
                PostKeyToParent(Qt::Key_Escape);
            }
            return true;  // never a cancel button
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (returnIsTab_) {
                focusNextChild();
            } else if (!(event->modifiers() & Qt::ControlModifier) && !defaultHandling_) {
                PostKeyToParent(event->key());
            }
            return true;  // never a default button, never a change
        case Qt::Key_Backspace: {
            KeepSelectionInValue();
            const bool nothingBefore = !hasSelectedText() && cursorPosition() <= valueStart;
            if (hasPrefix && nothingBefore) return true;
            if (hasSelectedText() || cursorPosition() > 0) value_.SetModified(true);
            return false;  // the platform deletes
        }
        default:
            break;
    }
    if (event->matches(QKeySequence::DeleteEndOfLine) && hasSuffix) {
        setSelection(cursorPosition(), valueEnd - cursorPosition());
        del();
        value_.SetModified(true);
        return true;
    }
    return false;
}

// The fixed end of the selection (the caret is the moving one).
int TAdvEdit::SelectionAnchor() const {
    if (!hasSelectedText()) return cursorPosition();
    return cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
}

void TAdvEdit::HandleCharacter(QKeyEvent* event) {
    const QString text = event->text();
    const Qt::KeyboardModifiers commandKeys =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (text.isEmpty()) {  // navigation and other keys without a character
        QLineEdit::keyPressEvent(event);
        KeepSelectionInValue();  // word moves may end behind the suffix
        return;
    }
    const QChar first = text.front();
    if (first == u'\n') return;  // Ctrl+J
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (commandKeys != Qt::NoModifier || !first.isPrint()) {
        // Copy and cut go to the platform. Float fields take no other command characters;
        // the other types hand them to the platform, which ignores them or runs its shortcut.
        const bool cut = event->matches(QKeySequence::Cut);
        if (cut || event->matches(QKeySequence::Copy) || !IsFloatField(EditType())) {
            if (cut && hasSelectedText() && !isReadOnly()) value_.SetModified(true);
            QLineEdit::keyPressEvent(event);
            KeepSelectionInValue();
        }
        return;
    }
    QChar ch = first;
    if (excelStyleDecimalSeparator_ && (event->modifiers() & Qt::KeypadModifier) &&
        (ch == u'.' || ch == u',')) {
        ch = QChar(FormatSettings().DecimalSeparator);
    }
    for (const QChar typed : QString(ch)) TypePrintable(typed);
}

void TAdvEdit::TypePrintable(QChar ch) {
    KeepSelectionInValue();
    const edit::ValueSpan span = CurrentValueSpan();
    const std::u16string value = value_.ReadText();
    const std::u16string validChars = ToU16(validChars_);
    const int selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    const int selLength = hasSelectedText() ? selectionLength() : 0;
    edit::TypingContext context;
    context.valueText = value;
    context.selStart = static_cast<size_t>(selStart) - span.start;
    context.selLength = static_cast<size_t>(selLength);
    context.lengthLimit = lengthLimit_;
    context.validChars = validChars;

    const edit::CharDecision decision =
        edit::DecideTypedChar(value_.Settings(), context, ch.unicode());
    if (decision.action == edit::CharAction::Refuse) return;
    // Replacing the whole value raises no change notification of its own.
    if (!value.empty() && selLength == static_cast<int>(value.size())) swallowNextChange_ = true;
    switch (decision.action) {
        case edit::CharAction::JumpAfterDecimal:
            swallowNextChange_ = false;
            SelectAfterDecimal();
            return;
        case edit::CharAction::StartDecimal: {
            const auto& settings = value_.Settings();
            const std::u16string zero{u'0', decision.character};
            setText(ToQString(settings.Prefix + zero + settings.Suffix));
            setCursorPosition(static_cast<int>(span.start + zero.size()));
            break;
        }
        case edit::CharAction::ReplaceNext:
            setSelection(cursorPosition(), 1);
            insert(QString(QChar(decision.character)));
            break;
        default:
            insert(QString(QChar(decision.character)));
            break;
    }
    value_.SetModified(true);
    if (tabOnFullLength_ && lengthLimit_ > 0 && value_.ReadText().size() >= static_cast<size_t>(lengthLimit_))
        focusNextChild();
}

void TAdvEdit::UndoToOrigText() {
    SetText(origText_);
    SelectAll();
    if (focusFontColor_.isValid()) SetFontColor(focusFontColor_);
    value_.SetModified(false);
    if (defaultHandling_) PostKeyToParent(Qt::Key_Escape);
}

// The parent window sees the key as its own key-down and key-up.
void TAdvEdit::PostKeyToParent(int key) {
    QWidget* parent = parentWidget();
    if (!parent) return;
    QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

}  // namespace tornivex
