// tornivex-skin as a new user meets it: every command opens SKIN the same way, options it does
// not know are named in one line, sizes and states are checked, paths show as given or
// normalised, write failures say why, and the real program sees every argument without noise.
#include "RunTool.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tornivex {
namespace {

using testing::RunTool;

class ToolCommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        alu = dir.filePath("alu");
        ASSERT_EQ(RunTool({"unpack", "Aluminium (internal)", alu}).Code, 0);
    }
    // Adds a section only this copy of the skin has.
    void AddOwnSection() {
        QFile options(alu + "/Options.dat");
        ASSERT_TRUE(options.open(QIODevice::Append));
        options.write("\r\n[ONLYHERE]\r\nSTATES=1\r\nCOLOR=255\r\n");
    }
    QTemporaryDir dir;
    QString alu;
};

TEST_F(ToolCommandLine, RenderOpensSkinsLikeEveryOtherCommand) {
    AddOwnSection();
    // A package file named like an internal skin is the file, not the internal skin.
    const QString package = dir.filePath("Aluminium (internal).asz");
    ASSERT_EQ(RunTool({"pack", alu, package}).Code, 0);
    const QString png = dir.filePath("own.png");
    auto run = RunTool({"render", package, "ONLYHERE", "--size", "4x3", "-o", png});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_EQ(QImage(png).pixel(1, 1), qRgb(255, 0, 0));
    // A directory given with a trailing "/".
    run = RunTool({"render", alu + "/", "ONLYHERE", "-o", png});
    EXPECT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_EQ(RunTool({"info", alu + "/"}).Out.section('\n', 0, 0), "Name:         alu");
}

TEST_F(ToolCommandLine, PathsAreShownNormalised) {
    const QString roundabout = dir.path() + "/alu/../alu";
    const auto run = RunTool({"info", roundabout});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_TRUE(run.Out.contains("Location:     " + QDir::cleanPath(alu) + "\n")) << qPrintable(run.Out);
    EXPECT_FALSE(run.Out.contains("..")) << qPrintable(run.Out);
}

TEST_F(ToolCommandLine, UnknownOptionsAreNamedInOneLine) {
    auto run = RunTool({"--bogus"});
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Err, "tornivex-skin: unknown option \"--bogus\" (tornivex-skin --help lists the commands)\n");
    run = RunTool({"info", "--bogus", alu});
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Err, "tornivex-skin info: unknown option \"--bogus\" (tornivex-skin info --help shows the usage)\n");
    run = RunTool({"render", alu, "BUTTON", "--bogus", "-o", dir.filePath("x.png")});
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Err, "tornivex-skin render: unknown option \"--bogus\" (tornivex-skin render --help shows the usage)\n");
    run = RunTool({"--version"});
    EXPECT_EQ(run.Code, 0);
    EXPECT_TRUE(QRegularExpression("^tornivex-skin \\d+\\.\\d+\\.\\d+\n$").match(run.Out).hasMatch()) << qPrintable(run.Out);
    // Wrong counts show the command's one usage text from the table.
    run = RunTool({"unpack", alu});
    EXPECT_EQ(run.Code, 2);
    EXPECT_TRUE(run.Err.startsWith("tornivex-skin unpack: wants a SKIN and a DIR, got 1 word\nusage: tornivex-skin unpack SKIN DIR\n"))
        << qPrintable(run.Err);
}

TEST_F(ToolCommandLine, RenderSaysTheAllowedSizesAndRefusesStatesTheSectionLacks) {
    const QString png = dir.filePath("x.png");
    auto run = RunTool({"render", alu, "BUTTON", "--size", "100000x100000", "-o", png});
    EXPECT_EQ(run.Code, 2);
    EXPECT_TRUE(run.Err.startsWith("tornivex-skin render: --size wants WIDTHxHEIGHT with each side 1 to 8192, for "
                                   "example 137x25; got \"100000x100000\"\n")) << qPrintable(run.Err);
    run = RunTool({"render", alu, "BUTTON", "--state", "99", "-o", png});
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Err, "tornivex-skin render: the section BUTTON has 3 states (0 to 2); --state 99 is not one of them\n");
    EXPECT_FALSE(QFile::exists(png));
    run = RunTool({"render", alu, "BUTTON", "--state", "2", "--size", "8192x1", "-o", png});
    EXPECT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_EQ(run.Out, "rendered BUTTON state 2 at 8192x1 to " + png + "\n");
}

TEST_F(ToolCommandLine, WriteFailuresSayWhy) {
    const QString options = alu + "/Options.dat";
    auto run = RunTool({"pack", alu, options + "/x.asz"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Err, "tornivex-skin pack: cannot write \"" + options + "/x.asz\": \"" + options +
                           "\" is a file, not a directory\n");
    run = RunTool({"pack", alu, alu});
    EXPECT_EQ(run.Err, "tornivex-skin pack: cannot write \"" + alu + "\": it is a directory\n");
    run = RunTool({"pack", alu, dir.filePath("missing/x.asz")});
    EXPECT_EQ(run.Err, "tornivex-skin pack: cannot write \"" + dir.filePath("missing/x.asz") +
                           "\": the folder \"" + dir.filePath("missing") + "\" does not exist\n");
    run = RunTool({"unpack", alu, options});
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Err, "tornivex-skin unpack: cannot create the directory \"" + options +
                           "\": a file of that name exists\n");
    run = RunTool({"unpack", alu, options + "/sub"});
    EXPECT_EQ(run.Err, "tornivex-skin unpack: cannot create the directory \"" + options + "/sub\": \"" + options +
                           "\" is a file, not a directory\n");
}

// The real program: Qt must not take the tool's arguments, and a plain run prints nothing of Qt's.
TEST_F(ToolCommandLine, TheProgramSeesEveryArgumentAndStaysQuiet) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    environment.remove("QT_QPA_PLATFORM");
    const auto runProgram = [&](const QStringList& args) {
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(TORNIVEX_SKIN_TOOL, args);
        EXPECT_TRUE(tool.waitForFinished(60000));
        return std::make_tuple(tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardOutput()),
                               QString::fromLocal8Bit(tool.readAllStandardError()));
    };
    const QString png = dir.filePath("reverse.png");
    auto [code, out, err] = runProgram({"render", alu, "BUTTON", "--text", "-reverse", "-o", png});
    EXPECT_EQ(code, 0) << qPrintable(err);
    EXPECT_EQ(err, "");
    EXPECT_TRUE(QFile::exists(png));
    std::tie(code, out, err) = runProgram({"list"});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(err, "");
    EXPECT_TRUE(out.startsWith("Topaz (internal)"));
}

}  // namespace
}  // namespace tornivex
