// TAdvEdit: pasting by keyboard, context menu and middle click, through the paste rules.
#include <memory>

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

#include "AdvEdit.h"
#include "PasteRules.h"
#include "QtText.h"
#include "TApplication.h"

namespace tornivex {

using edit::ToQString;
using edit::ToU16;

void TAdvEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        // The X11 middle-click paste goes through the same rules as any other.
        platform::RunGuarded([&] { PasteFromClipboard(QClipboard::Selection); });
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    // After a click or a drag the caret and the selection end at the value's end at most.
    KeepSelectionInValue();
}

void TAdvEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu = CreateContextMenu();
    if (OnContextMenu) OnContextMenu(*this, *menu);
    menu->exec(event->globalPos());
    event->accept();
}

// The platform's edit menu, with Paste and Select All following this field's rules.
std::unique_ptr<QMenu> TAdvEdit::CreateContextMenu() {
    auto menu = std::make_unique<QMenu>();
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const bool visibleText = echoMode() == QLineEdit::Normal;
    const auto add = [&](const char* name, const QString& label, QKeySequence::StandardKey key,
                         bool enabled, auto handler) {
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action =
            menu->addAction(shortcut.isEmpty() ? label : label + u'\t' + shortcut);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, handler);
    };
    add("edit-undo", QLineEdit::tr("&Undo"), QKeySequence::Undo, editable && isUndoAvailable(),
        [this] { undo(); });
    add("edit-redo", QLineEdit::tr("&Redo"), QKeySequence::Redo, editable && isRedoAvailable(),
        [this] { redo(); });
    menu->addSeparator();
    add("edit-cut", QLineEdit::tr("Cu&t"), QKeySequence::Cut, editable && selected && visibleText,
        [this] {
            KeepSelectionInValue();
            cut();
            value_.SetModified(true);
        });
    add("edit-copy", QLineEdit::tr("&Copy"), QKeySequence::Copy, selected && visibleText,
        [this] { copy(); });
    add("edit-paste", QLineEdit::tr("&Paste"), QKeySequence::Paste,
        editable && !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { platform::RunGuarded([this] { PasteFromClipboard(); }); });
    add("edit-delete", QLineEdit::tr("Delete"), QKeySequence::UnknownKey, editable && selected,
        [this] {
            KeepSelectionInValue();
            del();
            value_.SetModified(true);
        });
    menu->addSeparator();
    add("select-all", QLineEdit::tr("Select All"), QKeySequence::SelectAll, !Text().isEmpty(),
        [this] { SelectAll(); });
    return menu;
}

void TAdvEdit::PasteFromClipboard(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString clipboardText = QGuiApplication::clipboard()->text(mode);
    if (clipboardText.isEmpty()) return;
    PasteText(clipboardText);
}

void TAdvEdit::PasteText(const QString& clipboardText) {
    KeepSelectionInValue();
    const std::u16string pasted = edit::ClipboardLine(ToU16(clipboardText));
    const std::u16string value = value_.ReadText();
    const edit::ValueSpan span = CurrentValueSpan();
    const bool hadSelection = hasSelectedText();
    const size_t selStart =
        static_cast<size_t>(hadSelection ? selectionStart() : cursorPosition()) - span.start;
    const size_t selLength = hadSelection ? static_cast<size_t>(selectionLength()) : 0;
    const std::u16string candidate = edit::BuildPasteCandidate(value, selStart, selLength, pasted);

    if (OnClipboardPaste) {
        bool allow = true;
        OnClipboardPaste(*this, ToQString(candidate), allow);
        if (!allow) return;
    }
    if (edit::ExceedsMaxLength(maxLength_, pasted.size(), value.size(), selLength)) return;
    const edit::PasteVerdict verdict =
        edit::JudgePaste(value_.Settings(), candidate, pasted, ToU16(validChars_));
    if (verdict.action == edit::PasteAction::Refuse) return;
    value_.WritePaste(verdict);

    // The pasted span is selected when there was a selection; otherwise the caret goes behind it.
    const edit::ValueSpan after = CurrentValueSpan();
    const auto clampToValue = [&](size_t position) {
        return static_cast<int>(std::clamp(after.start + position, after.start, after.end));
    };
    const int pastedStart = clampToValue(selStart);
    const int pastedEnd = clampToValue(selStart + pasted.size());
    if (hadSelection) setSelection(pastedStart, pastedEnd - pastedStart);
    else setCursorPosition(pastedEnd);
}

}  // namespace tornivex
