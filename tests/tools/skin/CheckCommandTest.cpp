// tornivex-skin check: clean skins pass; every planted problem is reported with its section and
// key, and the program's own load is run too.
#include "RunTool.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tornivex {
namespace {

using testing::RunTool;

// Unpacks Aluminium into `dir` and replaces `from` by `to` in its options text.
void PlantInOptions(const QString& dir, const QList<QPair<QByteArray, QByteArray>>& edits) {
    ASSERT_EQ(RunTool({"unpack", "Aluminium (internal)", dir}).Code, 0);
    QFile file(dir + "/Options.dat");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    for (const auto& [from, to] : edits) {
        ASSERT_TRUE(text.contains(from)) << from.constData();
        text.replace(from, to);
    }
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

TEST(CheckCommand, BothInternalSkinsAreClean) {
    for (const char* name : {"Topaz (internal)", "Aluminium (internal)"}) {
        const auto run = RunTool({"check", name});
        EXPECT_EQ(run.Code, 0) << qPrintable(run.Out);
        EXPECT_TRUE(run.Out.endsWith(": 0 errors, 0 warnings\n")) << qPrintable(run.Out);
    }
}

TEST(CheckCommand, AnUnpackedDirectoryChecksLikeThePackage) {
    QTemporaryDir dir;
    ASSERT_EQ(RunTool({"unpack", "Topaz (internal)", dir.filePath("Topaz")}).Code, 0);
    const auto run = RunTool({"check", dir.filePath("Topaz")});
    EXPECT_EQ(run.Code, 0) << qPrintable(run.Out);
}

TEST(CheckCommand, ReportsEveryPlantedProblemWithSectionAndKey) {
    QTemporaryDir dir;
    const QString skin = dir.filePath("Broken");
    PlantInOptions(skin, {
        {"BORDERSMASK=^0152^0030^0206^0056", "BORDERSMASK=^01x2^0030^0206^0056"},
        {"[EDIT]\r\nSTATES=1", "[EDIT]\r\nSTATES=1\r\nGRADIENTDATA=1;2;5O;0;0"},
        {"PATTERN=~0000~0110~0222~0190~00~0", "PATTERN=~0000~0110~0522~0190~00~0"},
        {"EXBORDER=!XB.PNG!", "EXBORDER=!XC.PNG!"},
        {"[DIALOG]\r\nPARENTCLASS=FORM", "[DIALOG]\r\nPARENTCLASS=MDIAREA"},
        {"[MDIAREA]\r\n", "[MDIAREA]\r\nPARENTCLASS=DIALOG\r\n"},
        {"[ALPHAEDIT]\r\nPARENTCLASS=EDIT", "[ALPHAEDIT]\r\nPARENTCLASS=NOSUCH"},
    });
    const auto run = RunTool({"check", skin});
    EXPECT_EQ(run.Code, 1);
    const QString& o = run.Out;
    EXPECT_TRUE(o.contains("error: [BUTTON] BORDERSMASK: ")) << qPrintable(o);
    EXPECT_TRUE(o.contains("error: [EDIT] GRADIENTDATA: ")) << qPrintable(o);
    EXPECT_TRUE(o.contains("error: [FORM] PATTERN: the rectangle 0,110-522,190 reaches outside the "
                           "480x256 image")) << qPrintable(o);
    EXPECT_TRUE(o.contains("error: [GLOBALINFO] EXBORDER: no image \"XC.PNG\" in the skin")) << qPrintable(o);
    EXPECT_TRUE(o.contains("error: [DIALOG] PARENTCLASS: the chain of parents loops")) << qPrintable(o);
    EXPECT_TRUE(o.contains("warning: [ALPHAEDIT] PARENTCLASS: no section [NOSUCH]")) << qPrintable(o);
    EXPECT_TRUE(o.contains("warning: Xb.png: no key of the options text uses this image")) << qPrintable(o);
    EXPECT_TRUE(o.contains("error: the program cannot load this skin: ")) << qPrintable(o);
}

TEST(CheckCommand, WarnsOfEveryValueOutsideItsRangeWithTheValueUsed) {
    QTemporaryDir dir;
    const QString skin = dir.filePath("Hostile");
    PlantInOptions(skin, {
        {"[BUTTON]\r\nSTATES=3", "[BUTTON]\r\nSTATES=-2147483648\r\nGSIZE=30000\r\nTRANSPARENCY=1000\r\n"
                                 "HOTTRANSPARENCY=-1"},
        {"TITLEHEIGHT=26", "TITLEHEIGHT=-5"},
    });
    const auto run = RunTool({"check", skin});
    EXPECT_EQ(run.Code, 0) << qPrintable(run.Out);  // limited values are warnings: the skin loads
    const QString& o = run.Out;
    EXPECT_TRUE(o.contains("warning: [BUTTON] STATES: the value -2147483648 is outside 0..255; the program "
                           "uses 0\n")) << qPrintable(o);
    EXPECT_TRUE(o.contains("warning: [BUTTON] GSIZE: the value 30000 is outside 0..32; the program uses 32\n"))
        << qPrintable(o);
    EXPECT_TRUE(o.contains("warning: [BUTTON] TRANSPARENCY: the value 1000 is outside 0..100; the program "
                           "uses 100\n")) << qPrintable(o);
    EXPECT_TRUE(o.contains("warning: [GLOBALINFO] TITLEHEIGHT: the value -5 is outside 0..255; the program "
                           "uses 0\n")) << qPrintable(o);
    EXPECT_FALSE(o.contains("HOTTRANSPARENCY")) << qPrintable(o);  // -1 in a section: the parent's value
    EXPECT_TRUE(o.endsWith(": 0 errors, 4 warnings\n")) << qPrintable(o);
}

TEST(CheckCommand, WarnsOfKeyPixelsTheMaskCallsOpaque) {
    QTemporaryDir dir;
    const QString skin = dir.filePath("Keyed");
    ASSERT_EQ(RunTool({"unpack", "Aluminium (internal)", skin}).Code, 0);
    QImage master(skin + "/Master.bmp");
    ASSERT_FALSE(master.isNull());
    // The middle of the BUTTON border's first frame: opaque in the mask.
    master.setPixel(152 + 8, 30 + 12, qRgb(255, 0, 255));
    ASSERT_TRUE(master.save(skin + "/Master.bmp", "BMP"));
    const auto run = RunTool({"check", skin});
    EXPECT_EQ(run.Code, 0) << qPrintable(run.Out); // a warning, not an error
    EXPECT_TRUE(run.Out.contains("warning: [BUTTON] BORDERSMASK: the key pixel at 160,42 is not white in "
                                 "the mask")) << qPrintable(run.Out);
}

TEST(CheckCommand, AFileThatIsNoPackageIsAClearFailure) {
    QTemporaryDir dir;
    QFile file(dir.filePath("notes.asz"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ASzq and then some text");
    file.close();
    const auto run = RunTool({"check", file.fileName()});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains("Loaded data is not a packed Vantreo file")) << qPrintable(run.Err);
}

TEST(CheckCommand, ATruncatedPackageIsAClearFailure) {
    QTemporaryDir dir;
    ASSERT_EQ(RunTool({"unpack", "Aluminium (internal)", dir.filePath("a")}).Code, 0);
    ASSERT_EQ(RunTool({"pack", dir.filePath("a"), dir.filePath("a.asz")}).Code, 0);
    QFile file(dir.filePath("a.asz"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();
    const auto run = RunTool({"check", file.fileName()});
    EXPECT_EQ(run.Code, 1);
    EXPECT_FALSE(run.Err.isEmpty());
}

} // namespace
} // namespace tornivex
