#include <gtest/gtest.h>

#include <string>

#include "RecordingDialogs.h"
#include "SkinError.h"
#include "SkinPackage.h"

namespace tornivex {
namespace {

std::vector<TSkinPackageEntry> SampleEntries() {
    QByteArray big;
    for (int i = 0; i < 5000; ++i) big.append(char(i * 7 % 251));
    return {{"Options.dat", "[GLOBALINFO]\r\nVERSION=8.00\r\n"},
            {"Master.bmp", big},
            {"Glow.png", QByteArray(300, 'x')}};
}

TEST(SkinPackage, RoundTripKeepsEntriesInOrderAndEndsAtLastByte) {
    const QByteArray package = WriteSkinPackage(SampleEntries());
    ASSERT_TRUE(package.startsWith("ASzf"));
    TacSkinConvertor conv;
    ASSERT_TRUE(ReadSkinPackage(conv, package));
    ASSERT_TRUE(conv.Options.has_value());
    EXPECT_EQ(*conv.Options, QByteArray("[GLOBALINFO]\r\nVERSION=8.00\r\n"));
    ASSERT_EQ(conv.Files.size(), 2u);
    EXPECT_EQ(conv.ImageCount, 2);
    EXPECT_EQ(conv.Files[0].FileName, "Master.bmp");
    EXPECT_TRUE(conv.Files[0].IsBitmap);
    EXPECT_EQ(conv.Files[0].FileStream, SampleEntries()[1].Data);
    EXPECT_EQ(conv.Files[1].FileName, "Glow.png");
    EXPECT_FALSE(conv.Files[1].IsBitmap);
    EXPECT_EQ(conv.ConsumedBytes, package.size());
    EXPECT_EQ(conv.PackedData, nullptr);
}

TEST(SkinPackage, EveryStreamUsesTheMaximumCompressionHeader) {
    const QByteArray package = WriteSkinPackage({{"A.bmp", "abc"}});
    // "ASzf", count, name length, "A.bmp", size, then the zlib header.
    const qsizetype streamStart = 4 + 4 + 4 + 5 + 4;
    EXPECT_EQ(uchar(package[streamStart]), 0x78);
    EXPECT_EQ(uchar(package[streamStart + 1]), 0xDA);
}

TEST(SkinPackage, OptionsEntryIsFoundInAnyLetterCase) {
    TacSkinConvertor conv;
    ASSERT_TRUE(ReadSkinPackage(conv, WriteSkinPackage({{"a.JPG", "j"}, {"OPTIONS.DAT", "x"}})));
    ASSERT_TRUE(conv.Options.has_value());
    EXPECT_EQ(*conv.Options, "x");
    ASSERT_EQ(conv.Files.size(), 1u);
    EXPECT_FALSE(conv.Files[0].IsBitmap);
}

TEST(SkinPackage, PackageWithoutOptionsHasNoOptionsStream) {
    TacSkinConvertor conv;
    ASSERT_TRUE(ReadSkinPackage(conv, WriteSkinPackage({{"Master.bmp", "m"}})));
    EXPECT_FALSE(conv.Options.has_value());
    EXPECT_EQ(conv.ImageCount, 0);
}

TEST(SkinPackage, WrongMagicShowsTheErrorBoxAndReturnsFalse) {
    testing::RecordingDialogs dialogs;
    QByteArray package = WriteSkinPackage(SampleEntries());
    for (char fourth : {'F', 'g', 'Z', '\0'}) {
        package[3] = fourth;
        TacSkinConvertor conv;
        EXPECT_FALSE(ReadSkinPackage(conv, package));
        EXPECT_FALSE(conv.Options.has_value());
        EXPECT_TRUE(conv.Files.empty());
    }
    ASSERT_EQ(dialogs.errors.size(), 4);
    EXPECT_EQ(dialogs.errors[0], "Loaded data is not a packed Vantreo file");
    TacSkinConvertor conv;
    EXPECT_FALSE(ReadSkinPackage(conv, QByteArray()));
}

TEST(SkinPackage, EveryTruncationIsAnErrorNamingTheProblem) {
    const QByteArray package = WriteSkinPackage(SampleEntries());
    for (qsizetype cut = 8 + 1; cut < package.size(); ++cut) {
        TacSkinConvertor conv;
        try {
            ReadSkinPackage(conv, package.left(cut));
            ADD_FAILURE() << "no error for a package cut at " << cut;
        } catch (const ESkinError& e) {
            EXPECT_TRUE(e.Message().contains("truncated") || e.Message().contains("corrupt"))
                << e.what();
        }
    }
}

TEST(SkinPackage, CorruptStreamIsAnErrorNamingTheEntry) {
    QByteArray package = WriteSkinPackage(SampleEntries());
    const qsizetype masterStream = package.indexOf("Master.bmp") + 10 + 4;
    package[masterStream + 40] = char(package[masterStream + 40] ^ 0x55);
    TacSkinConvertor conv;
    try {
        ReadSkinPackage(conv, package);
        FAIL() << "corrupt stream accepted";
    } catch (const ESkinError& e) {
        EXPECT_TRUE(e.Message().contains("\"Master.bmp\"")) << e.what();
    }
}

TEST(SkinPackage, DeclaredSizeMustMatchTheStream) {
    QByteArray package = WriteSkinPackage({{"A.bmp", "hello"}});
    const qsizetype sizeField = 4 + 4 + 4 + 5;
    for (quint8 wrong : {quint8(4), quint8(6), quint8(0)}) {
        QByteArray bad = package;
        bad[sizeField] = char(wrong);
        TacSkinConvertor conv;
        EXPECT_THROW(ReadSkinPackage(conv, bad), ESkinError) << int(wrong);
    }
    QByteArray forged = package;
    forged[sizeField + 3] = char(0x7F); // about two gigabytes from a few compressed bytes
    TacSkinConvertor conv;
    EXPECT_THROW(ReadSkinPackage(conv, forged), ESkinError);
}

std::string ReadError(const QByteArray& package) {
    TacSkinConvertor conv;
    try {
        ReadSkinPackage(conv, package);
    } catch (const ESkinError& e) {
        return e.Message().toStdString();
    }
    return "no error";
}

// Both checks come before anything is inflated: a zero size is named as such, and a declared size
// the compressed bytes cannot hold is refused before its buffer is allocated.
TEST(SkinPackage, ZeroAndImpossibleSizesAreRefusedBeforeInflating) {
    const QByteArray package = WriteSkinPackage({{"A.bmp", "hello"}});
    const qsizetype sizeField = 4 + 4 + 4 + 5;
    QByteArray zero = package;
    zero[sizeField] = 0;
    EXPECT_EQ(ReadError(zero), "Skin package is corrupt: entry 0 (\"A.bmp\") declares a size of 0.");
    QByteArray forged = package;
    forged[sizeField + 2] = char(0x40);  // 4 MiB from 13 compressed bytes
    EXPECT_EQ(ReadError(forged), "Skin package is corrupt: entry 0 (\"A.bmp\") declares 4194309 bytes, "
                                 "more than its compressed data can hold.");
    // A genuinely well compressed entry stays readable.
    const QByteArray zeros(1 << 20, '\0');
    TacSkinConvertor conv;
    ASSERT_TRUE(ReadSkinPackage(conv, WriteSkinPackage({{"Z.bmp", zeros}})));
    ASSERT_EQ(conv.Files.size(), 1u);
    EXPECT_EQ(conv.Files[0].FileStream, zeros);
}

TEST(SkinPackage, HugeCountsAndNameLengthsAreTruncationErrors) {
    QByteArray package = WriteSkinPackage({{"A.bmp", "hello"}});
    QByteArray manyEntries = package;
    manyEntries[7] = char(0x7F);
    TacSkinConvertor conv;
    EXPECT_THROW(ReadSkinPackage(conv, manyEntries), ESkinError);
    QByteArray longName = package;
    longName[8 + 3] = char(0xFF);
    EXPECT_THROW(ReadSkinPackage(conv, longName), ESkinError);
}

TEST(SkinPackage, WriterRefusesEntriesThePackageCannotHold) {
    EXPECT_THROW(WriteSkinPackage({{"Empty.bmp", QByteArray()}}), ESkinError);
    EXPECT_THROW(WriteSkinPackage({{QString::fromUtf8("\u03A9.bmp"), "x"}}), ESkinError);
    EXPECT_EQ(WriteSkinPackage({}), QByteArray("ASzf\0\0\0\0", 8));
}

TEST(SkinPackage, HeaderShorterThanEightBytesReadsAsZeroEntries) {
    TacSkinConvertor conv;
    ASSERT_TRUE(ReadSkinPackage(conv, QByteArray("ASzf\0", 5)));
    EXPECT_FALSE(conv.Options.has_value());
    EXPECT_EQ(conv.ImageCount, 0);
    EXPECT_EQ(conv.ConsumedBytes, 5);
}

TEST(SkinPackage, MissingPackageFileIsNotAnError) {
    TacSkinConvertor conv;
    EXPECT_FALSE(ReadSkinPackageFile("/nonexistent/dir/Skin.asz", conv));
}

} // namespace
} // namespace tornivex
