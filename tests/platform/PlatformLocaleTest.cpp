#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <memory>

#include "LocaleSettings.h"
#include "PlatformLocale.h"
#include "SystemColors.h"

namespace tornivex::platform {
namespace {

TEST(PlatformLocale, TakesTheFirstCharacterOfEachSymbol) {
    ScopedFormatSettings restore(u'.', u',');
    ApplyLocaleSettings(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
    EXPECT_EQ(FormatSettings().ThousandSeparator, u'.');
    ApplyLocaleSettings(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FormatSettings().DecimalSeparator, u'.');
    EXPECT_EQ(FormatSettings().ThousandSeparator, u',');
}

TEST(PlatformLocale, WatcherRereadsOnLocaleChange) {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;  // outlives the watcher declared below
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    ScopedFormatSettings restore(u'.', u',');
    QLocale current(QLocale::English, QLocale::UnitedStates);
    LocaleWatcher watcher(nullptr, [&] { return current; });
    EXPECT_EQ(FormatSettings().DecimalSeparator, u'.');
    current = QLocale(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatSettings().DecimalSeparator, u'.');  // not before the change is announced
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
    EXPECT_EQ(FormatSettings().ThousandSeparator, u'.');
}

TEST(SystemColors, PlainColoursPassAndSystemColoursResolve) {
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
    EXPECT_FALSE(IsSystemColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));  // red is the low byte
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), 0x030201);
}

}  // namespace
}  // namespace tornivex::platform
