#include "TuningCalculation.h"

#include "ExtendedArithmetic.h"
#include "NumberText.h"

namespace tornivex {

void RunTuningCalculation(TuningInputs& inputs, TuningResultLines& lines) {
    const Extended kFullCircle = 360;
    // Each value is converted once; every caption that shows it uses that text.
    const auto F = [&lines](TuningValue value, Extended x) {
        std::u16string text = NumberText(x);
        lines.SetValue(value, x, text);
        return text;
    };

    lines.BeginStep(TuningStep::ReadStepAngle);
    const Extended A = inputs.StepAngle();                        // 1
    lines.BeginStep(TuningStep::StepsPerRevolution);
    const Extended S = Divide(kFullCircle, A);                    // 2
    const std::u16string s = F(TuningValue::StepsPerRevolution, S);
    lines.SetCaption(ResultLine::Label1,                          // 3
                     u"this gives  " + s + u" steps per revolution.");

    lines.BeginStep(TuningStep::ReadDivision);
    const Extended M = ParseInteger(inputs.MicroText());          // 4
    lines.BeginStep(TuningStep::MicroStepsPerRevolution);
    const Extended U = Multiply(M, S);                            // 5
    const std::u16string u = F(TuningValue::MicroStepsPerRevolution, U);
    lines.SetCaption(ResultLine::Label4,                          // 6
                     u"now gives " + u + u" steps per revolution");

    lines.BeginStep(TuningStep::ReadR1);
    const Extended R1 = ParseNumber(inputs.R1Text());             // 7
    lines.BeginStep(TuningStep::ReadR2);
    const Extended R2 = ParseNumber(inputs.R2Text());             // 8
    lines.BeginStep(TuningStep::Ratio);
    const Extended Q = Divide(R1, R2);                            // 9
    const std::u16string q = F(TuningValue::Ratio, Q);
    lines.SetCaption(ResultLine::Label10,                         // 10
                     u"ratio and " + u + u" steps/rev then ;");

    lines.BeginStep(TuningStep::StepsPerAxisRevolution);
    const Extended X = Multiply(U, Q);                            // 11
    const std::u16string x = F(TuningValue::StepsPerAxisRevolution, X);
    lines.SetCaption(ResultLine::Label12,                         // 12
                     q + u" x " + u + u" = " + x + u" Steps / axis rev");

    lines.BeginStep(TuningStep::UnitsPerDegree);
    const Extended D = Divide(X, kFullCircle);                    // 13
    const std::u16string d = F(TuningValue::UnitsPerDegree, D);
    lines.SetCaption(ResultLine::Label13,                         // 14
                     x + u" / 360\u00B0 = " + d + u" units for 4th Axis motor tuning.");
}

}  // namespace tornivex
