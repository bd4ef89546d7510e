// The limits on what a skin may hold: each one refuses a skin just past it with a message naming
// the limit, while skins at the limit's scale that stay inside it still load.
#include <gtest/gtest.h>

#include "SkinError.h"
#include "SkinLimits.h"
#include "SkinLoader.h"
#include "TestSkin.h"

namespace tornivex {
namespace {

QString RefusalOf(const QByteArray& options) {
    QByteArray package = testing::TestSkinPackage(options);
    TacSkinConvertor convertor;
    EXPECT_TRUE(ReadSkinPackage(convertor, package));
    try {
        TSkinLoader(ParseSkinOptionsWithinLimits(*convertor.Options), TSkinImageSource{&convertor, QString()},
                    {})
            .Load();
    } catch (const ESkinError& e) {
        return e.Message();
    }
    return QString();
}

// `count` sections S0..; every `chainLength`-th starts a chain at BUTTON, the others name the one
// before as parent.
QByteArray Chains(int count, int chainLength, const QByteArray& extraKey = QByteArray()) {
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        text += "[S" + QByteArray::number(i) + "]\nSTATES=2\nCOLOR=255\n" + extraKey;
        text += i % chainLength == 0 ? QByteArray("PARENTCLASS=BUTTON\n")
                                     : "PARENTCLASS=S" + QByteArray::number(i - 1) + "\n";
    }
    return testing::TestOptionsText(text);
}

TEST(SkinLimits, EachLimitRefusesWithItsName) {
    EXPECT_TRUE(RefusalOf(testing::TestOptionsText(QByteArray(MaxOptionsTextBytes, ';')))
                    .contains(QString::number(MaxOptionsTextBytes)));
    QByteArray manySections;
    for (int i = 0; i <= MaxSkinSections; ++i) manySections += "[N" + QByteArray::number(i) + "]\n";
    EXPECT_TRUE(RefusalOf(testing::TestOptionsText(manySections)).contains("at most 50000"));
    EXPECT_TRUE(RefusalOf(Chains(MaxParentChainDepth + 5, 1000)).contains("longer than 64"));
    EXPECT_TRUE(RefusalOf(Chains(MaxSkinImageRows + 1, 1, "PATTERN=~0000~0110~0222~0190~00~0\n"))
                    .contains("at most 20000"));
    std::int64_t total = MaxDecodedSkinPixels - 10;
    EXPECT_NO_THROW(CountDecodedPixels(total, 10, "a.png"));
    EXPECT_THROW(CountDecodedPixels(total, 1, "b.png"), ESkinError);
}

TEST(SkinLimits, LargeSkinsInsideTheLimitsLoad) {
    EXPECT_EQ(RefusalOf(Chains(30000, 10)), QString());  // short chains resolved once each
    EXPECT_EQ(RefusalOf(Chains(MaxParentChainDepth - 1, 1000)), QString());
    // A loop of parents is no deeper than its sections and reads as "no parent" at its end.
    EXPECT_EQ(RefusalOf(testing::TestOptionsText("[LA]\nPARENTCLASS=LB\n[LB]\nPARENTCLASS=LA\n")), QString());
}

} // namespace
} // namespace tornivex
