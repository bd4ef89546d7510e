#pragma once
// The tuning calculation: from step angle, micro-step division and gear ratio to micro-steps per
// degree of axis rotation, shown as five result lines. No window needed: the inputs and the
// result lines come through two small interfaces.
#include <string>

#include "Extended.h"

namespace tornivex {

class TuningInputs {
public:
    virtual ~TuningInputs() = default;
    virtual double StepAngle() = 0;  // float value of the step-angle field; may raise EOverflow
    virtual std::u16string MicroText() = 0;
    virtual std::u16string R1Text() = 0;
    virtual std::u16string R2Text() = 0;
};

// The five result lines in window order: result lines 1 to 5.
enum class ResultLine { Label1, Label4, Label10, Label12, Label13 };

// The values the steps compute, in their order.
enum class TuningValue {
    StepsPerRevolution,       // S = 360 / A
    MicroStepsPerRevolution,  // U = M x S
    Ratio,                    // Q = R1 / R2
    StepsPerAxisRevolution,   // X = U x Q
    UnitsPerDegree,           // D = X / 360, the answer
};
constexpr int kTuningValueCount = 5;

// The steps that can fail, in their order: reading an input or computing a value.
enum class TuningStep {
    ReadStepAngle,
    StepsPerRevolution,
    ReadDivision,
    MicroStepsPerRevolution,
    ReadR1,
    ReadR2,
    Ratio,
    StepsPerAxisRevolution,
    UnitsPerDegree,
};

class TuningResultLines {
public:
    virtual ~TuningResultLines() = default;
    virtual void SetCaption(ResultLine line, const std::u16string& caption) = 0;
    // For readers that want more than the captions: each step that can fail as it begins (so
    // the last one begun is the one that failed), each value once it is computed, with the text
    // its captions show.
    virtual void BeginStep(TuningStep) {}
    virtual void SetValue(TuningValue, Extended, const std::u16string& /*text*/) {}
};

// Runs the steps in their fixed order. An error (EConvertError, EZeroDivide, EInvalidOp,
// EOverflow) ends the run at the step that raises it; lines set before it keep their captions.
void RunTuningCalculation(TuningInputs& inputs, TuningResultLines& lines);

}  // namespace tornivex
