#include "PlatformLocale.h"

#include <QCoreApplication>
#include <QEvent>

#include "LocaleChanges.h"
#include "LocaleSettings.h"

namespace tornivex::platform {

void ApplyLocaleSettings(const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    TFormatSettings& settings = FormatSettings();
    settings.DecimalSeparator = decimal.isEmpty() ? u'.' : decimal.front().unicode();
    // Some locales group with nothing; a blank keeps the field rules working.
    settings.ThousandSeparator = group.isEmpty() ? u' ' : group.front().unicode();
}

LocaleWatcher::LocaleWatcher(QObject* parent, LocaleSource source)
    : QObject(parent), source_(std::move(source)) {
    ApplyLocaleSettings(source_());
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
        AnnounceSystemLocaleChanges();
    }
}

bool LocaleWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance()) {
        ApplyLocaleSettings(source_());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tornivex::platform
