// The two embedded packages: names, entries, stream layout and image formats.
#include "InternalSkins.h"
#include "SkinPackage.h"
#include "StoredSkins.h"

#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

namespace tornivex {
namespace {

struct RawEntry {
    QString Name;
    quint32 Size = 0;
    QByteArray Header; // first two bytes of the zlib stream
    QByteArray Inflated;
};

// Walks a package with zlib directly, independently of the package reader: every entry must be
// exactly one zlib stream that inflates to its stated size, and nothing may follow the last.
std::vector<RawEntry> WalkPackage(const QByteArray& package) {
    std::vector<RawEntry> entries;
    EXPECT_EQ(package.left(4), QByteArray("ASzf"));
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(package.constData() + at); };
    const quint32 count = u32(4);
    qsizetype at = 8;
    for (quint32 i = 0; i < count; ++i) {
        RawEntry e;
        const quint32 nameLength = u32(at);
        e.Name = QString::fromLatin1(package.mid(at + 4, nameLength));
        at += 4 + nameLength;
        e.Size = u32(at);
        at += 4;
        e.Header = package.mid(at, 2);
        z_stream z{};
        inflateInit(&z);
        e.Inflated.resize(e.Size + 1);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(package.constData() + at));
        z.avail_in = uInt(package.size() - at);
        z.next_out = reinterpret_cast<Bytef*>(e.Inflated.data());
        z.avail_out = uInt(e.Inflated.size());
        const int result = inflate(&z, Z_FINISH);
        EXPECT_EQ(result, Z_STREAM_END) << qPrintable(e.Name);
        e.Inflated.resize(qsizetype(z.total_out));
        at += qsizetype(z.total_in);
        inflateEnd(&z);
        entries.push_back(e);
    }
    EXPECT_EQ(at, package.size()) << "bytes after the last entry";
    return entries;
}

const QStringList TopazEntries{"Options.dat",   "ButtonHuge.bmp", "Corner.bmp",
                               "Master.bmp",    "Glow.png",       "GlowCAlone.png",
                               "GlowClose.png", "GlowH.png",      "GlowMax.png",
                               "GlowMin.png",   "GlowNorm.png"};
const QStringList AluminiumEntries{"Options.dat", "Huge.bmp", "Master.bmp", "Xb.png"};

TEST(InternalSkinPackages, AreTopazThenAluminium) {
    const auto skins = InternalSkinPackages();
    ASSERT_EQ(skins.size(), 2u);
    EXPECT_EQ(skins[0].Name, "Topaz (internal)");
    EXPECT_EQ(skins[1].Name, "Aluminium (internal)");
}

TEST(InternalSkinPackages, GoIntoAManagersCollectionAsTheWindowStoresThem) {
    TsStoredSkins skins;
    AddInternalSkins(skins);
    ASSERT_EQ(skins.Count(), 2);
    const auto packages = InternalSkinPackages();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(skins[i].Name, packages[std::size_t(i)].Name);
        EXPECT_EQ(skins[i].PackedData, packages[std::size_t(i)].Data);
        EXPECT_EQ(skins[i].Shadow1Color, 0);
        EXPECT_EQ(skins[i].Shadow1Offset, 0);
        EXPECT_EQ(skins[i].Shadow1Transparency, 0);
        EXPECT_EQ(skins[i].Shadow1Blur, -1);
        EXPECT_EQ(skins[i].BorderColor, 0xFF00FF);
    }
    EXPECT_EQ(skins.IndexOf("Aluminium (internal)"), 1);
}

TEST(InternalSkinPackages, HoldExactlyTheListedEntriesAsSingleStreams) {
    const auto skins = InternalSkinPackages();
    const QStringList* expected[] = {&TopazEntries, &AluminiumEntries};
    for (std::size_t s = 0; s < skins.size(); ++s) {
        SCOPED_TRACE(qPrintable(skins[s].Name));
        const auto entries = WalkPackage(skins[s].Data);
        QStringList names;
        for (const RawEntry& e : entries) {
            names << e.Name;
            EXPECT_EQ(e.Header, QByteArray("\x78\xDA", 2)) << qPrintable(e.Name);
            EXPECT_EQ(e.Inflated.size(), qsizetype(e.Size)) << qPrintable(e.Name);
        }
        EXPECT_EQ(names, *expected[s]);
    }
}

TEST(InternalSkinPackages, ReadBackWithThePackageReaderToTheLastByte) {
    for (const InternalSkinPackage& skin : InternalSkinPackages()) {
        SCOPED_TRACE(qPrintable(skin.Name));
        TacSkinConvertor convertor;
        ASSERT_TRUE(ReadSkinPackage(convertor, skin.Data));
        ASSERT_TRUE(convertor.Options.has_value());
        EXPECT_EQ(convertor.ConsumedBytes, skin.Data.size());
        EXPECT_EQ(convertor.ImageCount, int(convertor.Files.size()));
    }
}

quint16 U16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 U32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint32 U32BigEndian(const QByteArray& b, int at) { return qFromBigEndian<quint32>(b.constData() + at); }

// What the loader and the painting expect of each image kind.
void ExpectBmp(const RawEntry& e, quint32 headerSize, int bitsPerPixel) {
    const QByteArray& b = e.Inflated;
    ASSERT_GE(b.size(), 30) << qPrintable(e.Name);
    EXPECT_EQ(b.left(2), QByteArray("BM")) << qPrintable(e.Name);
    EXPECT_EQ(U32(b, 2), quint32(b.size())) << qPrintable(e.Name);
    EXPECT_EQ(U32(b, 14), headerSize) << qPrintable(e.Name);
    const int bits = headerSize == 12 ? U16(b, 24) : U16(b, 28);
    EXPECT_EQ(bits, bitsPerPixel) << qPrintable(e.Name);
    QImage decoded;
    EXPECT_TRUE(decoded.loadFromData(b, "BMP")) << qPrintable(e.Name);
}

void ExpectPngRgba8(const RawEntry& e) {
    const QByteArray& b = e.Inflated;
    ASSERT_GE(b.size(), 33) << qPrintable(e.Name);
    EXPECT_EQ(b.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8)) << qPrintable(e.Name);
    EXPECT_EQ(b.mid(12, 4), QByteArray("IHDR")) << qPrintable(e.Name);
    EXPECT_EQ(int(quint8(b[24])), 8) << qPrintable(e.Name) << " bit depth";
    EXPECT_EQ(int(quint8(b[25])), 6) << qPrintable(e.Name) << " colour type RGBA";
    QImage decoded;
    EXPECT_TRUE(decoded.loadFromData(b, "PNG")) << qPrintable(e.Name);
    EXPECT_TRUE(decoded.hasAlphaChannel()) << qPrintable(e.Name);
    EXPECT_GT(U32BigEndian(b, 16), 0u);
}

TEST(InternalSkinPackages, ImagesHaveTheFormatsTheSkinsNeed) {
    for (const InternalSkinPackage& skin : InternalSkinPackages()) {
        SCOPED_TRACE(qPrintable(skin.Name));
        for (const RawEntry& e : WalkPackage(skin.Data)) {
            if (e.Name == "Master.bmp") ExpectBmp(e, 12, 24); // core header
            else if (e.Name == "Corner.bmp") ExpectBmp(e, 40, 8);
            else if (e.Name.endsWith(".bmp")) ExpectBmp(e, 40, 24);
            else if (e.Name.endsWith(".png")) ExpectPngRgba8(e);
            else EXPECT_EQ(e.Name, "Options.dat");
        }
    }
}

TEST(InternalSkinPackages, MasterImagesDecodeAtTheLayoutSize) {
    for (const InternalSkinPackage& skin : InternalSkinPackages()) {
        for (const RawEntry& e : WalkPackage(skin.Data)) {
            if (e.Name != "Master.bmp") continue;
            QImage master;
            ASSERT_TRUE(master.loadFromData(e.Inflated, "BMP"));
            EXPECT_EQ(master.size(), QSize(480, 256)) << qPrintable(skin.Name);
        }
    }
}

} // namespace
} // namespace tornivex
