// The licence file in the repository (installed with the program) carries exactly the terms the
// About dialog shows; only the line breaks may differ.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "AboutNotice.h"

namespace tornivex::testing {
namespace {

QString Words(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

TEST(LicenseFileTest, HoldsTheAboutDialogsTermsWordForWord) {
    QFile file(QStringLiteral(TORNIVEX_SOURCE_DIR "/LICENSE"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(Words(QString::fromUtf8(file.readAll())), Words(AboutNoticeLines().join(QLatin1Char(' '))));
}

}  // namespace
}  // namespace tornivex::testing
