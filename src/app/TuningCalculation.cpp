#include "TuningCalculation.h"

#include "ExtendedArithmetic.h"
#include "NumberText.h"

namespace tornivex {

void RunTuningCalculation(TuningInputs& inputs, TuningResultLines& lines) {
    constexpr Extended kFullCircle = 360;
    const auto F = [](Extended value) { return NumberText(value); };

    const Extended A = inputs.StepAngle();                        // 1
    const Extended S = Divide(kFullCircle, A);                    // 2
    lines.SetCaption(ResultLine::Label1,                          // 3
                     u"this gives  " + F(S) + u" steps per revolution.");

    const Extended M = ParseInteger(inputs.MicroText());          // 4
    const Extended U = Multiply(M, S);                            // 5
    lines.SetCaption(ResultLine::Label4,                          // 6
                     u"now gives " + F(U) + u" steps per revolution");

    const Extended R1 = ParseNumber(inputs.R1Text());             // 7
    const Extended R2 = ParseNumber(inputs.R2Text());             // 8
    const Extended Q = Divide(R1, R2);                            // 9
    lines.SetCaption(ResultLine::Label10,                         // 10
                     u"ratio and " + F(U) + u" steps/rev then ;");

    const Extended X = Multiply(U, Q);                            // 11
    lines.SetCaption(ResultLine::Label12,                         // 12
                     F(Q) + u" x " + F(U) + u" = " + F(X) + u" Steps / axis rev");

    const Extended D = Divide(X, kFullCircle);                    // 13
    lines.SetCaption(ResultLine::Label13,                         // 14
                     F(X) + u" / 360\u00B0 = " + F(D) + u" units for 4th Axis motor tuning.");
}

}  // namespace tornivex
