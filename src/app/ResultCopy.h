#pragma once
// Copying the results out of the main window. A right click on a result line opens its menu:
// the units value, this line, all results. Elsewhere in the window, and from the keyboard (the
// context-menu key, Shift+F10), the window's menu offers the units value, all results and each
// line; a field's own menu carries the same entries below its editing ones. Ctrl+Shift+C copies
// all results; Ctrl+C copies the units value unless the focus is in a field with a selection,
// which it copies as always. Entries with nothing to copy are disabled. Both menus also open the
// tuning assistant.
#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QPoint>

#include "CalculatedResults.h"

class QMenu;

namespace tornivex {

class TForm1;

class TResultCopy : public QObject {
    Q_OBJECT
public:
    // Wires itself into the form's result lines, fields and shortcuts; the form owns it.
    TResultCopy(TForm1& form, const TCalculatedResults& results);

    // Entries of the window's own appended to the window's menu each time it opens.
    std::function<void(QMenu&)> OnWindowMenu;
    // Opens the tuning assistant: an entry of both menus, Ctrl+T, and a click on result line 5
    // once it shows the units (its tooltip says so).
    std::function<void()> OnAssistant;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QMenu> LineMenu(ResultLine line) const;
    std::unique_ptr<QMenu> WindowMenu() const;
    // Units value, all results and the submenu of single lines.
    void AddWindowEntries(QMenu& menu, bool showShortcuts) const;
    std::optional<ResultLine> LineAt(QPoint clientPos) const;
    // What the context-menu key does, for Shift+F10: the menu of the control with the focus.
    void OpenFocusMenu();
    void AddAssistantEntry(QMenu& menu) const;
    void OpenAssistant() const;

    TForm1& form_;
    // Compared in eventFilter, which still sees events while the form's widgets are destroyed,
    // after TForm1's own destructor has run: asking form_ for it then would be undefined.
    QWidget* const client_;
    QWidget* const answerLine_;  // result line 5, for the same reason
    const TCalculatedResults& results_;
};

}  // namespace tornivex
