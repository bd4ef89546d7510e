#include "ResultCopy.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>

#include "Clipboard.h"
#include "MenuName.h"
#include "Unit1.h"

namespace tornivex {
namespace {

constexpr std::array<ResultLine, 5> kLines = {ResultLine::Label1, ResultLine::Label4, ResultLine::Label10,
                                              ResultLine::Label12, ResultLine::Label13};

const QKeySequence kCopyAllKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
const QKeySequence kAssistantKeys(Qt::CTRL | Qt::Key_T);

// An entry that puts text on the clipboard; disabled when there is nothing to copy.
void AddCopyEntry(QMenu& menu, const char* name, const QString& label, const std::optional<QString>& text,
                  const QKeySequence& keys = {}) {
    QAction* action = menu.addAction(label);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(text.has_value());
    if (!keys.isEmpty()) {
        // Shown beside the entry; while the menu is open the keys pick the entry, too.
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
    }
    if (text) QObject::connect(action, &QAction::triggered, [copied = *text] { platform::PutTextOnClipboard(copied); });
}

int Number(ResultLine line) { return static_cast<int>(line) + 1; }

}  // namespace

TResultCopy::TResultCopy(TForm1& form, const TCalculatedResults& results)
    : QObject(&form), form_(form), client_(form.Client()), answerLine_(form.Label13), results_(results) {
    form.Client()->installEventFilter(this);
    for (TAdvEdit* field : {form.degED1, form.edMicro, form.edR2, form.edR1}) {
        field->installEventFilter(this);
        field->OnContextMenu = [this](TAdvEdit& sender, QMenu& menu) {
            if (menu.accessibleName().isEmpty()) NameMenu(menu, sender.accessibleName());
            menu.addSeparator();
            AddWindowEntries(menu, false);
        };
    }
    new QShortcut(kCopyAllKeys, &form, [this] {
        if (const auto text = results_.AllLines()) platform::PutTextOnClipboard(*text);
    });
    // A field takes Ctrl+C for itself (see eventFilter); everywhere else it lands here.
    new QShortcut(QKeySequence::Copy, &form, [this] {
        if (const auto text = results_.Units()) platform::PutTextOnClipboard(*text);
    });
    new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &form, [this] { OpenFocusMenu(); });
    new QShortcut(kAssistantKeys, &form, [this] { OpenAssistant(); });
    // The answer line leads on to the assistant: a pointing hand, a tooltip, a click.
    form.Label13->installEventFilter(this);
    form.Label13->setCursor(Qt::PointingHandCursor);
    form.Label13->setToolTip(QStringLiteral("Click for the tuning assistant (Ctrl+T): speed, resolution, "
                                            "calibration and the lines for your controller"));
}

void TResultCopy::OpenAssistant() const {
    if (OnAssistant) OnAssistant();
}

void TResultCopy::AddAssistantEntry(QMenu& menu) const {
    menu.addSeparator();
    QAction* action = menu.addAction(QStringLiteral("&Tuning assistant\u2026"));
    action->setObjectName(QStringLiteral("open-assistant"));
    action->setShortcut(kAssistantKeys);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, this, [this] { OpenAssistant(); });
}

bool TResultCopy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == answerLine_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && results_.Units()) {
        OpenAssistant();
        return true;
    }
    if (watched == client_ && event->type() == QEvent::ContextMenu) {
        // Menus of the labels, the buttons and the background end up here.
        auto* request = static_cast<QContextMenuEvent*>(event);
        const std::optional<ResultLine> line =
            request->reason() == QContextMenuEvent::Mouse ? LineAt(request->pos()) : std::nullopt;
        const std::unique_ptr<QMenu> menu = line ? LineMenu(*line) : WindowMenu();
        menu->exec(request->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // In a field Ctrl+C copies the selection; without one it copies the units value.
        const auto* field = qobject_cast<TAdvEdit*>(watched);
        if (field && !field->hasSelectedText()) {
            if (const auto text = results_.Units()) platform::PutTextOnClipboard(*text);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::unique_ptr<QMenu> TResultCopy::LineMenu(ResultLine line) const {
    auto menu = std::make_unique<QMenu>();
    NameMenu(*menu, QStringLiteral("Result line %1").arg(Number(line)));
    AddCopyEntry(*menu, "copy-units", QStringLiteral("Copy &units per degree"), results_.Units(),
                 QKeySequence::Copy);
    AddCopyEntry(*menu, "copy-line", QStringLiteral("Copy this &line"), results_.Line(line));
    AddCopyEntry(*menu, "copy-all", QStringLiteral("Copy &all results"), results_.AllLines(), kCopyAllKeys);
    AddAssistantEntry(*menu);
    return menu;
}

std::unique_ptr<QMenu> TResultCopy::WindowMenu() const {
    auto menu = std::make_unique<QMenu>();
    NameMenu(*menu, QStringLiteral("Copy results"));
    AddWindowEntries(*menu, true);
    AddAssistantEntry(*menu);
    if (OnWindowMenu) {
        menu->addSeparator();
        OnWindowMenu(*menu);
    }
    return menu;
}

void TResultCopy::AddWindowEntries(QMenu& menu, bool showShortcuts) const {
    AddCopyEntry(menu, "copy-units", QStringLiteral("Copy &units per degree"), results_.Units(),
                 showShortcuts ? QKeySequence(QKeySequence::Copy) : QKeySequence());
    AddCopyEntry(menu, "copy-all", QStringLiteral("Copy &all results"), results_.AllLines(),
                 showShortcuts ? kCopyAllKeys : QKeySequence());
    QMenu* lines = menu.addMenu(QString());
    NameMenu(*lines, QStringLiteral("Copy one &line"));
    lines->setObjectName(QStringLiteral("copy-one-line"));
    lines->menuAction()->setObjectName(QStringLiteral("copy-one-line"));
    for (const ResultLine line : kLines) {
        const std::optional<QString> text = results_.Line(line);
        QString label = QStringLiteral("Line &%1").arg(Number(line));
        if (text) label += QStringLiteral(": ") + QString(*text).replace(u'&', QStringLiteral("&&"));
        AddCopyEntry(*lines, QStringLiteral("copy-line-%1").arg(Number(line)).toLatin1().constData(), label, text);
    }
}

std::optional<ResultLine> TResultCopy::LineAt(QPoint clientPos) const {
    const std::array<platform::TLabel*, 5> labels = {form_.Label1, form_.Label4, form_.Label10, form_.Label12,
                                                     form_.Label13};
    for (size_t i = 0; i < labels.size(); ++i)
        if (labels[i]->isVisible() && labels[i]->geometry().contains(clientPos)) return kLines[i];
    return std::nullopt;
}

void TResultCopy::OpenFocusMenu() {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &form_) target = form_.Client();
    // Where the platform puts a keyboard-opened menu: at the caret, or the middle of the control.
    const QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &request);
}

}  // namespace tornivex
