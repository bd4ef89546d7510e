#pragma once
#include <functional>

#include <QLocale>
#include <QObject>

namespace tornivex::platform {

// Fills the program-wide number separators from a locale: the first character of its decimal
// symbol and of its digit-grouping symbol.
void ApplyLocaleSettings(const QLocale& locale);

// Reads the user's regional settings now and again whenever the application is told they changed.
// Tests hand in their own source of "the user's settings".
class LocaleWatcher : public QObject {
    Q_OBJECT
public:
    using LocaleSource = std::function<QLocale()>;
    explicit LocaleWatcher(QObject* parent = nullptr, LocaleSource source = &QLocale::system);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LocaleSource source_;
};

}  // namespace tornivex::platform
