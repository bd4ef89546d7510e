#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tornivex::platform {

void PutTextOnClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
}

}  // namespace tornivex::platform
