#pragma once
// A menu's name, the same for the menu bar entry, the popup's window title and a screen reader:
// the title keeps its '&' mnemonic, the other two read without it.
#include <QMenu>
#include <QString>

namespace tornivex {

inline void NameMenu(QMenu& menu, const QString& title) {
    const QString plain = QString(title).remove(u'&');
    menu.setTitle(title);
    menu.setWindowTitle(plain);
    menu.setAccessibleName(plain);
}

}  // namespace tornivex
