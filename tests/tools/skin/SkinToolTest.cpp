// tornivex-skin: usage, listing, inspection, and the unpack / pack round trip.
#include "RunTool.h"

#include "InternalSkins.h"
#include "SkinPackage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tornivex {
namespace {

using testing::RunTool;

const QStringList TopazOrder{"ButtonHuge.bmp", "Corner.bmp",  "Master.bmp",   "Glow.png",
                             "GlowCAlone.png", "GlowClose.png", "GlowH.png", "GlowMax.png",
                             "GlowMin.png",    "GlowNorm.png"};

QByteArray InternalPackage(const QString& name) {
    for (const InternalSkinPackage& skin : InternalSkinPackages())
        if (skin.Name == name) return skin.Data;
    return {};
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(SkinTool, EveryCommandExplainsItselfWithHelp) {
    for (const skintool::ToolCommand& c : skintool::ToolCommands()) {
        const auto run = RunTool({c.Name, "--help"});
        EXPECT_EQ(run.Code, 0) << c.Name;
        EXPECT_TRUE(run.Out.startsWith("usage: tornivex-skin " + QString::fromLatin1(c.Name))) << c.Name;
    }
    const auto overview = RunTool({"--help"});
    EXPECT_EQ(overview.Code, 0);
    for (const skintool::ToolCommand& c : skintool::ToolCommands()) EXPECT_TRUE(overview.Out.contains(c.Name));
}

TEST(SkinTool, WrongUsageAnswersTwo) {
    EXPECT_EQ(RunTool({}).Code, 2);
    const auto unknown = RunTool({"frobnicate"});
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_TRUE(unknown.Err.contains("unknown command \"frobnicate\""));
    EXPECT_EQ(RunTool({"info"}).Code, 2);
    EXPECT_EQ(RunTool({"unpack", "Topaz (internal)"}).Code, 2);
    EXPECT_EQ(RunTool({"list", "extra"}).Code, 2);
}

TEST(SkinTool, ListsTheInternalSkinsInCollectionOrder) {
    const auto run = RunTool({"list"});
    ASSERT_EQ(run.Code, 0);
    const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Topaz (internal)"));
    EXPECT_TRUE(lines[1].startsWith("Aluminium (internal)"));
}

TEST(SkinTool, InfoShowsEntriesWithTheirFormats) {
    const auto run = RunTool({"info", "Aluminium (internal).asz"}); // the suffix is dropped
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_TRUE(run.Out.contains("Kind:         internal skin"));
    EXPECT_TRUE(run.Out.contains("Sections:     71"));
    EXPECT_TRUE(run.Out.contains("VERSION:      8.00"));
    const qsizetype options = run.Out.indexOf("Options.dat"), huge = run.Out.indexOf("Huge.bmp"),
                    master = run.Out.indexOf("Master.bmp"), xb = run.Out.indexOf("Xb.png");
    EXPECT_TRUE(options < huge && huge < master && master < xb);
    EXPECT_TRUE(run.Out.contains("BMP 480x256, 24-bit, 12-byte core header"));
    EXPECT_TRUE(run.Out.contains("8-bit RGBA"));
}

TEST(SkinTool, InfoNamesWhatIsWrongWithAForgedImageHeader) {
    QTemporaryDir dir;
    const QString unpacked = dir.filePath("alu");
    ASSERT_EQ(RunTool({"unpack", "Aluminium (internal)", unpacked}).Code, 0);
    QByteArray master = ReadAll(unpacked + "/Master.bmp");
    ASSERT_GE(master.size(), 54);
    // An info header whose height is the most negative 32-bit number.
    const char forged[] = {40, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, char(0x80), 1, 0, 24, 0};
    master.replace(14, 12, QByteArray(forged, sizeof forged));
    WriteAll(unpacked + "/Master.bmp", master);
    const auto run = RunTool({"info", unpacked});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_TRUE(run.Out.contains("broken BMP: the height 2147483648 is outside 1..16384")) << qPrintable(run.Out);
}

TEST(SkinTool, UnknownSkinIsNamedInTheMessage) {
    const auto run = RunTool({"info", "Marble (internal)"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains("no skin \"Marble (internal)\""));
}

TEST(SkinTool, SectionsListsEveryOptionsSectionInOrder) {
    const auto run = RunTool({"sections", "Aluminium (internal)"});
    ASSERT_EQ(run.Code, 0);
    const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 71);
    EXPECT_TRUE(lines[0].contains("GLOBALINFO"));
    EXPECT_TRUE(lines[3].contains("BUTTON") && lines[3].contains("states 3") &&
                lines[3].contains("BORDERSMASK"));
    EXPECT_FALSE(lines[0].contains("MASTERBITMAP"));
}

TEST(SkinTool, UnpackThenPackInTheOriginalOrderGivesTheSamePackage) {
    QTemporaryDir dir;
    const QString unpacked = dir.filePath("topaz");
    ASSERT_EQ(RunTool({"unpack", "Topaz (internal)", unpacked}).Code, 0);
    EXPECT_EQ(QDir(unpacked).entryList(QDir::Files).size(), 11);
    const QString repacked = dir.filePath("topaz.asz");
    const auto run = RunTool(QStringList{"pack", unpacked, repacked} + TopazOrder);
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_EQ(ReadAll(repacked), InternalPackage("Topaz (internal)"));
}

TEST(SkinTool, PackWithoutAnOrderSortsTheImagesAfterTheOptions) {
    QTemporaryDir dir;
    const QString unpacked = dir.filePath("alu");
    ASSERT_EQ(RunTool({"unpack", "Aluminium (internal)", unpacked}).Code, 0);
    const QString out = dir.filePath("alu.asz");
    ASSERT_EQ(RunTool({"pack", unpacked, out}).Code, 0);
    TacSkinConvertor convertor;
    ASSERT_TRUE(ReadSkinPackage(convertor, ReadAll(out)));
    ASSERT_EQ(convertor.Files.size(), 3u);
    EXPECT_EQ(convertor.Files[0].FileName, "Huge.bmp");
    EXPECT_EQ(convertor.Files[1].FileName, "Master.bmp");
    EXPECT_EQ(convertor.Files[2].FileName, "Xb.png");
    // The same bytes again, since our own packages are already in that order.
    EXPECT_EQ(ReadAll(out), InternalPackage("Aluminium (internal)"));
}

TEST(SkinTool, UnpackRefusesEntryNamesThatLeaveTheDirectory) {
    QTemporaryDir dir;
    const QString package = dir.filePath("evil.asz");
    WriteAll(package, WriteSkinPackage({{"Options.dat", "[GLOBALINFO]\r\nVERSION=8.00\r\n"},
                                        {"../escape.bmp", "BM"}}));
    const QString target = dir.filePath("out");
    const auto run = RunTool({"unpack", package, target});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains("\"../escape.bmp\" is not a plain file name"));
    EXPECT_FALSE(QFile::exists(dir.filePath("escape.bmp")));
    EXPECT_FALSE(QFile::exists(target + "/Options.dat"));
}

TEST(SkinTool, PackRefusesADirectoryWithoutOptionsAndMissingImages) {
    QTemporaryDir dir;
    EXPECT_EQ(RunTool({"pack", dir.path(), dir.filePath("x.asz")}).Code, 1);
    ASSERT_EQ(RunTool({"unpack", "Aluminium (internal)", dir.filePath("alu")}).Code, 0);
    const auto run = RunTool({"pack", dir.filePath("alu"), dir.filePath("x.asz"), "Nothere.bmp"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains("Nothere.bmp"));
}

} // namespace
} // namespace tornivex
