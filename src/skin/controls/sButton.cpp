#include "sButton.h"

#include <QKeyEvent>

namespace tornivex {

TsButton::TsButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void TsButton::keyPressEvent(QKeyEvent* event) {
    // A focused push button takes Enter, though it is no default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace tornivex
