// The axis figures and controller lines against reference vectors computed in exact rational
// arithmetic by make_axis_vectors.py (see data/), and the refusals of bad input.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "ControllerLines.h"
#include "ExtendedArithmetic.h"
#include "LocaleSettings.h"
#include "NumberText.h"
#include "TuningCalculation.h"

namespace tornivex {
namespace {

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) out += static_cast<char>(c);
        else if (c < 0x800) out += {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        else out += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return out;
}

std::u16string Utf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// The main calculation's units and gear ratio from its four inputs.
struct Calculated : TuningInputs, TuningResultLines {
    double angle;
    std::u16string micro, r1, r2;
    Extended units = 0, ratio = 0;
    double StepAngle() override { return angle; }
    std::u16string MicroText() override { return micro; }
    std::u16string R1Text() override { return r1; }
    std::u16string R2Text() override { return r2; }
    void SetCaption(ResultLine, const std::u16string&) override {}
    void SetValue(TuningValue value, Extended x, const std::u16string&) override {
        if (value == TuningValue::UnitsPerDegree) units = x;
        if (value == TuningValue::Ratio) ratio = x;
    }
};

using Texts = std::map<std::string, std::string>;

void Put(Texts& texts, const std::vector<FigureValue>& values, const std::string& prefix = {}) {
    for (const FigureValue& v : values) {
        std::string name = v.name;
        if (!prefix.empty()) name = prefix + char(std::toupper(name[0])) + name.substr(1);
        texts[name] = Utf8(v.text);
    }
}

// Every figure the vectors hold, computed by the program from the same inputs.
Texts Compute(const std::vector<std::string>& in) {
    Calculated calc;
    calc.angle = std::stod(in[0]);
    calc.micro = Utf16(in[1]);
    calc.r1 = Utf16(in[2]);
    calc.r2 = Utf16(in[3]);
    RunTuningCalculation(calc, calc);
    AxisSetup setup;
    setup.units = calc.units;
    setup.ratio = calc.ratio;
    setup.pulseRate = ParseNumber(Utf16(in[4]));
    setup.wantedSpeed = ParseNumber(Utf16(in[5]));
    setup.radius = ParseNumber(Utf16(in[6]));
    setup.commanded = ParseNumber(Utf16(in[7]));
    setup.measured = ParseNumber(Utf16(in[8]));
    const AxisFigures figures = ComputeAxisFigures(setup);
    Texts texts{{"units", Utf8(NumberText(calc.units))}};
    for (const FigureSection* s : {&figures.resolution, &figures.speed, &figures.calibration}) Put(texts, s->values);
    texts["exceedsRate"] = figures.exceedsRate.value() ? "true" : "false";
    texts["nearRatio"] = figures.nearRatio ? std::to_string(figures.nearRatio->motorTurns) + ":" +
                                                 std::to_string(figures.nearRatio->axisTurns)
                                           : "none";
    const std::optional<TopSpeed> speed = TopSpeedOf(figures.speed);
    for (const auto& [controller, prefix, key] :
         {std::tuple{Controller::GrblHal, "float", "$103="}, std::tuple{Controller::LinuxCnc, "double", "SCALE = "}}) {
        const ControllerBlock block = ControllerLines(controller, calc.units, speed);
        Put(texts, block.values, prefix);
        texts[std::string(prefix) + "Stored"] = texts[std::string(prefix) + "StoredUnits"];
        texts.erase(std::string(prefix) + "StoredUnits");
        for (const std::u16string& line : block.lines)
            if (Utf8(line).rfind(key, 0) == 0) texts[std::string(prefix) + "Text"] = Utf8(line).substr(std::strlen(key));
    }
    Put(texts, HandRounding(calc.units).values);
    return texts;
}

TEST(AxisFiguresTest, MatchTheExactReference) {
    const ScopedFormatSettings point(u'.', u',');
    std::ifstream file(std::string(TORNIVEX_SOURCE_DIR) + "/tests/app/data/axis_vectors.txt");
    ASSERT_TRUE(file) << "missing data/axis_vectors.txt";
    std::string row;
    int cases = 0, mismatches = 0;
    while (std::getline(file, row)) {
        if (row.empty() || row[0] == '#') continue;
        std::istringstream fields(row);
        std::string inputText, pair;
        std::getline(fields, inputText, '\t');
        std::istringstream words(inputText);
        const std::vector<std::string> in{std::istream_iterator<std::string>(words), {}};
        const Texts actual = Compute(in);
        while (std::getline(fields, pair, '\t')) {
            const auto at = pair.find('=');
            const std::string name = pair.substr(0, at), expected = pair.substr(at + 1);
            const auto found = actual.find(name);
            const std::string got = found == actual.end() ? "(missing)" : found->second;
            if (got != expected && ++mismatches <= 10)
                ADD_FAILURE() << inputText << ": " << name << " is " << got << ", expected " << expected;
        }
        ++cases;
    }
    EXPECT_GT(cases, 400);
    EXPECT_EQ(mismatches, 0);
}

TEST(AxisFiguresTest, ControllerLinesInTheirOwnWordsAndAlwaysWithAPoint) {
    const ScopedFormatSettings comma(u',', u'.');
    const Extended units = Divide(Extended(80000), Extended(360));
    const TopSpeed speed{Extended(225) / 2, 6750};
    const auto lines = [&](Controller c) { return ControllerLines(c, units, speed).lines; };
    EXPECT_EQ(lines(Controller::LinuxCnc),
              (std::vector<std::u16string>{u"[JOINT_3]", u"SCALE = 222.22222222222223", u"MAX_VELOCITY = 112.5"}));
    EXPECT_EQ(lines(Controller::GrblHal), (std::vector<std::u16string>{u"$103=222.22223", u"$113=6750"}));
    EXPECT_EQ(lines(Controller::Marlin), (std::vector<std::u16string>{u"M92 A222.22223", u"M203 A112.5"}));
    EXPECT_EQ(lines(Controller::MotorTuning),
              (std::vector<std::u16string>{u"Steps per: 222.22222222222223", u"Velocity: 6750"}));
    // The notes are for the user: the user's decimal separator.
    EXPECT_EQ(ControllerLines(Controller::GrblHal, units, std::nullopt).notes.at(0),
              u"Stored as the 32-bit float 222,222229003906: the axis drifts 1,09863281249975E-5\u00B0 "
              u"(0,039550781249991 arc-seconds) per turn");
    EXPECT_EQ(ControllerLines(Controller::Marlin, Extended(1E39L), std::nullopt).message,
              u"The units lie beyond what a 32-bit float holds.");
}

TEST(AxisFiguresTest, BadInputIsAMessageInItsSectionNeverAStaleFigure) {
    AxisSetup setup;
    setup.units = 0;
    const AxisFigures none = ComputeAxisFigures(setup);
    EXPECT_EQ(none.resolution.message, u"The units per degree must be above zero.");
    EXPECT_TRUE(none.resolution.lines.empty() && none.speed.lines.empty() && none.calibration.lines.empty());

    setup.units = 200;
    setup.ratio = 40;
    setup.measured = 0;
    setup.pulseRate = 0;
    setup.radius = -1;
    AxisFigures bad = ComputeAxisFigures(setup);
    EXPECT_EQ(bad.calibration.message, u"The measured move must not be zero.");
    EXPECT_TRUE(bad.calibration.lines.empty());
    EXPECT_EQ(bad.speed.message, u"The step-pulse rate must be above zero.");
    EXPECT_EQ(bad.resolution.message, u"The radius must be above zero.");
    EXPECT_EQ(bad.resolution.lines.size(), 1u);  // the arc per micro-step needs no radius

    setup.measured = -359;
    EXPECT_EQ(ComputeAxisFigures(setup).calibration.message,
              u"The measured move must go the same way as the commanded one.");
    setup.measured = 360;
    setup.units = Extended(1E4930L);  // the figures overflow: the fault's message, as in the main window
    setup.pulseRate = Extended(1E-4930L);
    EXPECT_EQ(ComputeAxisFigures(setup).calibration.message, u"Floating point overflow.");
}

}  // namespace
}  // namespace tornivex
