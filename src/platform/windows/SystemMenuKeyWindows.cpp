#include "SystemMenuKey.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <windows.h>

#include "OncePerApplication.h"

namespace tornivex::platform {
namespace {

// Takes Alt+Space from the native messages before Qt's key mapper turns it into the system
// menu, and hands it to Qt's key handling as a key press, where shortcuts see it.
class SystemMenuKeyFilter : public QObject, public QAbstractNativeEventFilter {
public:
    explicit SystemMenuKeyFilter(QCoreApplication* app) : QObject(app) { app->installNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override {
        if (type != "windows_generic_MSG") return false;
        const MSG* msg = static_cast<const MSG*>(message);
        const bool altSpace = msg->wParam == VK_SPACE && (GetKeyState(VK_MENU) & 0x8000) != 0 &&
                              (GetKeyState(VK_CONTROL) & 0x8000) == 0 && (GetKeyState(VK_SHIFT) & 0x8000) == 0;
        if (!altSpace) return false;
        if (msg->message == WM_SYSKEYDOWN) {
            QWindow* window = QGuiApplication::focusWindow();
            if (window == nullptr) return false;
            QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier,
                                                   QStringLiteral(" "));
        } else if (msg->message != WM_SYSKEYUP && msg->message != WM_SYSCHAR) {
            return false;
        }
        if (result != nullptr) *result = 0;
        return true;
    }
};

const char* const kDelivering = "tornivexDeliversSystemMenuKey";

}  // namespace

void DeliverSystemMenuKey() {
    InstallOncePerApplication<SystemMenuKeyFilter>(kDelivering);
}

}  // namespace tornivex::platform
