// tornivex-calc in-process: the worked examples, the error cases and the argument handling.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CalcOutcome.h"
#include "LocaleSettings.h"

namespace tornivex::calc {
namespace {

class CalcRun : public ::testing::Test {
protected:
    ScopedFormatSettings locale{u'.', u','};
};

TEST_F(CalcRun, WorkedExample) {
    const Outcome outcome = Calc({"1.8", "10", "40", "1"});
    EXPECT_EQ(outcome.status, kSuccess);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "this gives  200 steps per revolution.\n"
              "now gives 2000 steps per revolution\n"
              "ratio and 2000 steps/rev then ;\n"
              "40 x 2000 = 80000 Steps / axis rev\n"
              "80000 / 360\u00B0 = 222.222222222222 units for 4th Axis motor tuning.\n");
}

TEST_F(CalcRun, FurtherExamples) {
    const auto lastTwo = [](const Outcome& outcome) {
        const size_t fourth = outcome.out.find('\n', outcome.out.find('\n', outcome.out.find('\n') + 1) + 1);
        return outcome.out.substr(fourth + 1);
    };
    EXPECT_EQ(lastTwo(Calc({"1.8", "16", "90", "1"})),
              "90 x 3200 = 288000 Steps / axis rev\n"
              "288000 / 360\u00B0 = 800 units for 4th Axis motor tuning.\n");
    EXPECT_EQ(lastTwo(Calc({"0.9", "8", "36", "1"})),
              "36 x 3200 = 115200 Steps / axis rev\n"
              "115200 / 360\u00B0 = 320 units for 4th Axis motor tuning.\n");
    EXPECT_EQ(lastTwo(Calc({"1.8", "10", "40", "3"})),
              "13.3333333333333 x 2000 = 26666.6666666667 Steps / axis rev\n"
              "26666.6666666667 / 360\u00B0 = 74.0740740740741 units for 4th Axis motor tuning.\n");
    EXPECT_EQ(Calc({"0.72", "1", "1", "1"}).out.substr(0, 38), "this gives  500 steps per revolution.\n");
    EXPECT_EQ(Calc({"7.5", "1", "1", "1"}).out.substr(0, 37), "this gives  48 steps per revolution.\n");
}

TEST_F(CalcRun, ValuesAreFormattedAsTheFieldsDo) {
    // 1.23456 is rounded to the step-angle field's three decimals before the calculation.
    EXPECT_EQ(Calc({"1.23456", "1", "1", "1"}).out, Calc({"1.235", "1", "1", "1"}).out);
    // A grouped ratio is taken without its separators.
    EXPECT_EQ(Calc({"1.8", "10", "1,234.5", "1"}).out, Calc({"1.8", "10", "1234.5", "1"}).out);
    EXPECT_EQ(Calc({"1.8", "0", "40", "1"}).out,
              "this gives  200 steps per revolution.\n"
              "now gives 0 steps per revolution\n"
              "ratio and 0 steps/rev then ;\n"
              "40 x 0 = 0 Steps / axis rev\n"
              "0 / 360\u00B0 = 0 units for 4th Axis motor tuning.\n");
}

TEST_F(CalcRun, CalculationErrorsPrintTheUpdatedLinesThenTheMessage) {
    Outcome zero = Calc({"0", "10", "40", "1"});
    EXPECT_EQ(zero.status, kCalculationError);
    EXPECT_EQ(zero.out, "");
    EXPECT_EQ(zero.err, "Floating point division by zero.\n");

    Outcome digits = Calc({"1.8", "12345678901", "40", "1"});
    EXPECT_EQ(digits.status, kCalculationError);
    EXPECT_EQ(digits.out, "this gives  200 steps per revolution.\n");
    EXPECT_EQ(digits.err, "''12345678901'' is not a valid integer value.\n");

    EXPECT_EQ(Calc({"1.8", "2147483647", "40", "1"}).status, kSuccess);
    EXPECT_EQ(Calc({"1.8", "2147483648", "40", "1"}).status, kCalculationError);

    Outcome r2 = Calc({"1.8", "10", "40", "0"});
    EXPECT_EQ(r2.out, "this gives  200 steps per revolution.\nnow gives 2000 steps per revolution\n");
    EXPECT_EQ(r2.err, "Floating point division by zero.\n");
    EXPECT_EQ(Calc({"1.8", "10", "0", "0"}).err, "Invalid floating point operation.\n");
}

TEST_F(CalcRun, OverflowWhileEnteringIsShownAsTheWindowWould) {
    const std::string huge = "1" + std::string(400, '0');
    const Outcome outcome = Calc({huge, "10", "40", "1"});
    EXPECT_EQ(outcome.status, kCalculationError);
    EXPECT_EQ(outcome.out, "");
    // Once when the paste is read back, once on leaving, once in the calculation's first step.
    EXPECT_EQ(outcome.err,
              "Floating point overflow.\nFloating point overflow.\nFloating point overflow.\n");
}

TEST_F(CalcRun, RefusedValuesNameTheField) {
    const Outcome letters = Calc({"1.8", "12a", "40", "1"});
    EXPECT_EQ(letters.status, kUsageError);
    EXPECT_EQ(letters.out, "");
    EXPECT_EQ(letters.err, "tornivex-calc: the micro-step division field (edMicro) refuses \"12a\"\n");
    EXPECT_EQ(Calc({"1.8", "10", "40", "-3"}).err,
              "tornivex-calc: the gear ratio, axis side field (edR2) refuses \"-3\"\n");
    EXPECT_EQ(Calc({"1.8", "10", "1e3", "1"}).status, kUsageError);
    EXPECT_EQ(Calc({"1,8", "10", "40", "1"}).status, kSuccess);  // "," groups thousands here
}

TEST_F(CalcRun, CommaLocale) {
    ScopedFormatSettings comma(u',', u'.');
    const Outcome outcome = Calc({"1,8", "10", "40", "3"});
    EXPECT_EQ(outcome.status, kSuccess);
    EXPECT_NE(outcome.out.find("13,3333333333333 x 2000 = 26666,6666666667"), std::string::npos);
    EXPECT_EQ(Calc({"1.8", "10", "40", "1"}).out.substr(0, 35), "this gives  20 steps per revolution");
}

TEST_F(CalcRun, UnknownOptionsAreNamedInOneLineAndTheVersionIsShown) {
    for (const char* option : {"--bogus", "-x"}) {
        const Outcome unknown = Calc({"1.8", option, "40", "1"});
        EXPECT_EQ(unknown.status, kUsageError);
        EXPECT_EQ(unknown.err, std::string("tornivex-calc: unknown option \"") + option +
                                   "\" (tornivex-calc --help shows the usage)\n");
        EXPECT_EQ(unknown.out, "");
    }
    const Outcome version = Calc({"--version"});
    EXPECT_EQ(version.status, kSuccess);
    EXPECT_EQ(version.out.rfind("tornivex-calc ", 0), 0u) << version.out;
    EXPECT_EQ(version.out.back(), '\n');
    // A negative value is a value, refused by its field.
    EXPECT_EQ(Calc({"-1.8", "10", "40", "1"}).err, "tornivex-calc: the step angle field (degED1) refuses \"-1.8\"\n");
}

TEST_F(CalcRun, HelpAndArgumentCount) {
    const Outcome help = Calc({"--help"});
    EXPECT_EQ(help.status, kSuccess);
    EXPECT_NE(help.out.find("Usage: tornivex-calc [--json] [TUNING OPTIONS] STEP_ANGLE DIVISION R1 R2"), std::string::npos);
    EXPECT_NE(help.out.find("  --batch "), std::string::npos);
    const Outcome few = Calc({"1.8", "10"});
    EXPECT_EQ(few.status, kUsageError);
    EXPECT_NE(few.err.find("expected 4 values, got 2"), std::string::npos);
}

TEST_F(CalcRun, TuningOptions) {
    const Outcome grbl = Calc({"--rate=25000", "--controller", "grblhal", "1.8", "10", "40", "1"});
    EXPECT_EQ(grbl.status, kSuccess);
    EXPECT_NE(grbl.out.find("\nSpeed\nAt 25000 Hz at most: 112.5 \u00B0/s, 6750 \u00B0/min, 18.75 axis rpm, 750 motor rpm\n"),
              std::string::npos) << grbl.out;
    EXPECT_NE(grbl.out.find("\ngrblHAL settings (axis A)\n$103=222.22223\n$113=6750\n"), std::string::npos);
    EXPECT_EQ(grbl.out.find("Calibration"), std::string::npos);  // not asked for
    // A value goes through the window's field: the rate keeps three decimals.
    EXPECT_EQ(Calc({"--rate", "25000.00049", "1.8", "10", "40", "1"}).out, Calc({"--rate", "25000", "1.8", "10", "40", "1"}).out);

    const Outcome zero = Calc({"--measured", "0", "1.8", "10", "40", "1"});
    EXPECT_EQ(zero.status, kCalculationError);
    EXPECT_EQ(zero.err, "tornivex-calc: The measured move must not be zero.\n");
    EXPECT_EQ(Calc({"--rate", "fast", "1.8", "10", "40", "1"}).status, kUsageError);
    EXPECT_EQ(Calc({"--controller", "fanuc", "1.8", "10", "40", "1"}).status, kUsageError);
    EXPECT_EQ(Calc({"1.8", "10", "40", "1", "--rate"}).status, kUsageError);

    const Outcome json = Calc({"--json", "--measured", "359.982", "1.8", "10", "40", "1"});
    EXPECT_NE(json.out.find("\"correctedUnits\":{\"text\":\"222.233333888917\",\"number\":222.233333888917}"),
              std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"nearRatio\":\"40:1\""), std::string::npos);
    EXPECT_NE(Calc({"--json", "--rate", "1", "1.8", "10", "40", "0"}).out.find("\"assistant\":null"), std::string::npos);
}

}  // namespace
}  // namespace tornivex::calc
