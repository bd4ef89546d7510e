#include "TuningCalculation.h"

#include "ExtendedArithmetic.h"
#include "NumberText.h"

namespace tornivex {

void RunTuningCalculation(TuningInputs& inputs, TuningResultLines& lines) {
    constexpr Extended kFullCircle = 360;
    const auto F = [](Extended value) { return NumberText(value); };

    lines.BeginStep(TuningStep::ReadStepAngle);
    const Extended A = inputs.StepAngle();                        // 1
    lines.BeginStep(TuningStep::StepsPerRevolution);
    const Extended S = Divide(kFullCircle, A);                    // 2
    lines.SetValue(TuningValue::StepsPerRevolution, S);
    lines.SetCaption(ResultLine::Label1,                          // 3
                     u"this gives  " + F(S) + u" steps per revolution.");

    lines.BeginStep(TuningStep::ReadDivision);
    const Extended M = ParseInteger(inputs.MicroText());          // 4
    lines.BeginStep(TuningStep::MicroStepsPerRevolution);
    const Extended U = Multiply(M, S);                            // 5
    lines.SetValue(TuningValue::MicroStepsPerRevolution, U);
    lines.SetCaption(ResultLine::Label4,                          // 6
                     u"now gives " + F(U) + u" steps per revolution");

    lines.BeginStep(TuningStep::ReadR1);
    const Extended R1 = ParseNumber(inputs.R1Text());             // 7
    lines.BeginStep(TuningStep::ReadR2);
    const Extended R2 = ParseNumber(inputs.R2Text());             // 8
    lines.BeginStep(TuningStep::Ratio);
    const Extended Q = Divide(R1, R2);                            // 9
    lines.SetValue(TuningValue::Ratio, Q);
    lines.SetCaption(ResultLine::Label10,                         // 10
                     u"ratio and " + F(U) + u" steps/rev then ;");

    lines.BeginStep(TuningStep::StepsPerAxisRevolution);
    const Extended X = Multiply(U, Q);                            // 11
    lines.SetValue(TuningValue::StepsPerAxisRevolution, X);
    lines.SetCaption(ResultLine::Label12,                         // 12
                     F(Q) + u" x " + F(U) + u" = " + F(X) + u" Steps / axis rev");

    lines.BeginStep(TuningStep::UnitsPerDegree);
    const Extended D = Divide(X, kFullCircle);                    // 13
    lines.SetValue(TuningValue::UnitsPerDegree, D);
    lines.SetCaption(ResultLine::Label13,                         // 14
                     F(X) + u" / 360\u00B0 = " + F(D) + u" units for 4th Axis motor tuning.");
}

}  // namespace tornivex
