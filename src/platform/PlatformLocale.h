#pragma once
#include <QLocale>
#include <QObject>

namespace tornivex::platform {

// Fills the program-wide number separators from a locale: the first character of its decimal
// symbol and of its digit-grouping symbol.
void ApplyLocaleSettings(const QLocale& locale);

// Reads the user's regional settings now and again whenever the application is told they changed.
class LocaleWatcher : public QObject {
    Q_OBJECT
public:
    explicit LocaleWatcher(QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tornivex::platform
