#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "Errors.h"
#include "LocaleSettings.h"
#include "TuningCalculation.h"

namespace tornivex {
namespace {

// Inputs as the fields hand them over; the step angle either a value or an overflow.
struct FakeInputs : TuningInputs {
    std::optional<double> stepAngle = 1.8;
    std::u16string micro = u"10", r1 = u"40", r2 = u"1";
    double StepAngle() override {
        if (!stepAngle) throw EOverflow();
        return *stepAngle;
    }
    std::u16string MicroText() override { return micro; }
    std::u16string R1Text() override { return r1; }
    std::u16string R2Text() override { return r2; }
};

struct RecordedLines : TuningResultLines {
    std::map<ResultLine, std::u16string> captions;
    std::vector<ResultLine> order;
    void SetCaption(ResultLine line, const std::u16string& caption) override {
        captions[line] = caption;
        order.push_back(line);
    }
};

class TuningCalculationTest : public ::testing::Test {
protected:
    ScopedFormatSettings locale{u'.', u','};
    FakeInputs inputs;
    RecordedLines lines;

    // Runs and returns the message of the error raised, or empty.
    template <class Error>
    std::u16string RunExpecting() {
        try {
            RunTuningCalculation(inputs, lines);
        } catch (const Error& e) {
            return e.Message();
        }
        ADD_FAILURE() << "no error raised";
        return {};
    }
};

TEST_F(TuningCalculationTest, WorkedExampleInWindowOrder) {
    RunTuningCalculation(inputs, lines);
    EXPECT_EQ(lines.captions[ResultLine::Label1], u"this gives  200 steps per revolution.");
    EXPECT_EQ(lines.captions[ResultLine::Label4], u"now gives 2000 steps per revolution");
    EXPECT_EQ(lines.captions[ResultLine::Label10], u"ratio and 2000 steps/rev then ;");
    EXPECT_EQ(lines.captions[ResultLine::Label12], u"40 x 2000 = 80000 Steps / axis rev");
    EXPECT_EQ(lines.captions[ResultLine::Label13],
              u"80000 / 360\u00B0 = 222.222222222222 units for 4th Axis motor tuning.");
    const std::vector<ResultLine> expected{ResultLine::Label1, ResultLine::Label4,
                                           ResultLine::Label10, ResultLine::Label12,
                                           ResultLine::Label13};
    EXPECT_EQ(lines.order, expected);
    // A second run gives the same captions.
    const auto first = lines.captions;
    RunTuningCalculation(inputs, lines);
    EXPECT_EQ(lines.captions, first);
}

TEST_F(TuningCalculationTest, FurtherExamples) {
    struct Case {
        double angle;
        std::u16string micro, r1, r2, label12, label13;
    };
    const Case cases[] = {
        {1.8, u"16", u"90", u"1", u"90 x 3200 = 288000 Steps / axis rev",
         u"288000 / 360\u00B0 = 800 units for 4th Axis motor tuning."},
        {0.9, u"8", u"36", u"1", u"36 x 3200 = 115200 Steps / axis rev",
         u"115200 / 360\u00B0 = 320 units for 4th Axis motor tuning."},
        {1.8, u"10", u"40", u"3",
         u"13.3333333333333 x 2000 = 26666.6666666667 Steps / axis rev",
         u"26666.6666666667 / 360\u00B0 = 74.0740740740741 units for 4th Axis motor tuning."},
    };
    for (const Case& c : cases) {
        inputs.stepAngle = c.angle;
        inputs.micro = c.micro;
        inputs.r1 = c.r1;
        inputs.r2 = c.r2;
        RunTuningCalculation(inputs, lines);
        EXPECT_EQ(lines.captions[ResultLine::Label12], c.label12);
        EXPECT_EQ(lines.captions[ResultLine::Label13], c.label13);
    }
}

TEST_F(TuningCalculationTest, StepsPerRevolutionForCommonAngles) {
    const std::pair<double, std::u16string> cases[] = {{0.72, u"500"}, {7.5, u"48"}, {15, u"24"}};
    for (const auto& [angle, steps] : cases) {
        inputs.stepAngle = angle;
        RunTuningCalculation(inputs, lines);
        EXPECT_EQ(lines.captions[ResultLine::Label1],
                  u"this gives  " + steps + u" steps per revolution.");
    }
}

TEST_F(TuningCalculationTest, CommaLocaleWritesCommas) {
    ScopedFormatSettings comma{u',', u'.'};
    RunTuningCalculation(inputs, lines);
    EXPECT_EQ(lines.captions[ResultLine::Label13],
              u"80000 / 360\u00B0 = 222,222222222222 units for 4th Axis motor tuning.");
    inputs.r1 = u"2,5";
    RunTuningCalculation(inputs, lines);
    EXPECT_EQ(lines.captions[ResultLine::Label12], u"2,5 x 2000 = 5000 Steps / axis rev");
}

TEST_F(TuningCalculationTest, ZeroStepAngleFailsBeforeAnyLine) {
    inputs.stepAngle = 0;
    EXPECT_EQ(RunExpecting<EZeroDivide>(), u"Floating point division by zero");
    EXPECT_TRUE(lines.order.empty());
}

TEST_F(TuningCalculationTest, StepAngleBeyondDoubleRangeFailsFirst) {
    inputs.stepAngle.reset();
    EXPECT_EQ(RunExpecting<EOverflow>(), u"Floating point overflow");
    EXPECT_TRUE(lines.order.empty());
}

TEST_F(TuningCalculationTest, ZeroDivisionGivesZeroes) {
    inputs.micro = u"0";
    RunTuningCalculation(inputs, lines);
    EXPECT_EQ(lines.captions[ResultLine::Label1], u"this gives  200 steps per revolution.");
    EXPECT_EQ(lines.captions[ResultLine::Label4], u"now gives 0 steps per revolution");
    EXPECT_EQ(lines.captions[ResultLine::Label10], u"ratio and 0 steps/rev then ;");
    EXPECT_EQ(lines.captions[ResultLine::Label12], u"40 x 0 = 0 Steps / axis rev");
    EXPECT_EQ(lines.captions[ResultLine::Label13],
              u"0 / 360\u00B0 = 0 units for 4th Axis motor tuning.");
}

TEST_F(TuningCalculationTest, MicroStepDivisionLimits) {
    inputs.micro = u"2147483647";
    RunTuningCalculation(inputs, lines);
    EXPECT_EQ(lines.captions[ResultLine::Label4],
              u"now gives 429496729400 steps per revolution");

    RecordedLines fresh;
    inputs.micro = u"2147483648";
    try {
        RunTuningCalculation(inputs, fresh);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"''2147483648'' is not a valid integer value");
    }
    EXPECT_EQ(fresh.order, std::vector<ResultLine>{ResultLine::Label1});
}

TEST_F(TuningCalculationTest, UnreadableRatiosFailAfterTheSecondLine) {
    inputs.r1 = u"4O";
    EXPECT_EQ(RunExpecting<EConvertError>(), u"'4O' is not a valid floating point value");
    EXPECT_EQ(lines.order, (std::vector<ResultLine>{ResultLine::Label1, ResultLine::Label4}));

    RecordedLines fresh;
    inputs.r1 = u"40";
    inputs.r2 = u"";
    EXPECT_THROW(RunTuningCalculation(inputs, fresh), EConvertError);
    EXPECT_EQ(fresh.order, (std::vector<ResultLine>{ResultLine::Label1, ResultLine::Label4}));
}

TEST_F(TuningCalculationTest, ZeroRatiosRaiseTheirOwnFaults) {
    inputs.r2 = u"0";
    EXPECT_EQ(RunExpecting<EZeroDivide>(), u"Floating point division by zero");
    EXPECT_EQ(lines.order, (std::vector<ResultLine>{ResultLine::Label1, ResultLine::Label4}));

    RecordedLines fresh;
    inputs.r1 = u"0";
    try {
        RunTuningCalculation(inputs, fresh);
        ADD_FAILURE() << "no error";
    } catch (const EInvalidOp& e) {
        EXPECT_EQ(e.Message(), u"Invalid floating point operation");
    }
    EXPECT_EQ(fresh.order, (std::vector<ResultLine>{ResultLine::Label1, ResultLine::Label4}));
}

TEST_F(TuningCalculationTest, ResultBeyondExtendedRangeOverflowsAtItsStep) {
    inputs.r1 = u"1E4900";
    inputs.r2 = u"1E-100";
    EXPECT_EQ(RunExpecting<EOverflow>(), u"Floating point overflow");
    EXPECT_EQ(lines.order, (std::vector<ResultLine>{ResultLine::Label1, ResultLine::Label4}));

    // Q fits, but X = U x Q does not: the third line is already set.
    RecordedLines fresh;
    inputs.r1 = u"1E4930";
    inputs.r2 = u"1";
    EXPECT_THROW(RunTuningCalculation(inputs, fresh), EOverflow);
    EXPECT_EQ(fresh.order, (std::vector<ResultLine>{ResultLine::Label1, ResultLine::Label4,
                                                    ResultLine::Label10}));
}

TEST_F(TuningCalculationTest, TinyStepAngleStaysInRange) {
    inputs.stepAngle = 4.9406564584124654e-324;  // smallest denormal double
    RunTuningCalculation(inputs, lines);
    EXPECT_EQ(lines.captions[ResultLine::Label1],
              u"this gives  7.28648111906318E325 steps per revolution.");
}

}  // namespace
}  // namespace tornivex
