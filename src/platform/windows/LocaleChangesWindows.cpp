#include "LocaleChanges.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>

#include <windows.h>

#include "OncePerApplication.h"

namespace tornivex::platform {
namespace {

// Hears the setting change among the native messages and posts the application's event once per
// burst (every top-level window gets the message); the burst ends when that event arrives,
// before the watchers installed earlier read the settings.
class IntlSettingAnnouncer : public QObject, public QAbstractNativeEventFilter {
public:
    explicit IntlSettingAnnouncer(QCoreApplication* app) : QObject(app) {
        app->installNativeEventFilter(this);
        app->installEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "windows_generic_MSG") return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SETTINGCHANGE || msg->lParam == 0) return false;
        if (wcscmp(reinterpret_cast<const wchar_t*>(msg->lParam), L"intl") != 0) return false;
        if (!pending_) {
            pending_ = true;
            QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LocaleChange));
        }
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LocaleChange && watched == parent()) pending_ = false;
        return false;
    }

private:
    bool pending_ = false;
};

const char* const kAnnouncing = "tornivexAnnouncesLocaleChanges";

}  // namespace

void AnnounceSystemLocaleChanges() {
    InstallOncePerApplication<IntlSettingAnnouncer>(kAnnouncing);
}

}  // namespace tornivex::platform
