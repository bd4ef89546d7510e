#pragma once
// The tuning assistant's input fields: the decimals each takes and what it shows at start. The
// window and the command-line calculator build them from here, so a value reads the same in both.
// Each may stay empty ("not given"); leaving it rounds a value to its decimals.
#include "FieldDesigns.h"

namespace tornivex {

inline constexpr TFieldDesign edUnitsDesign{"edUnits", 118, 8, 150, 21, etFloat, 12, pdShortest, u"", u""};
inline constexpr TFieldDesign edRatioDesign{"edRatio", 350, 8, 76, 21, etFloat, 8, pdShortest, u"", u""};
inline constexpr TFieldDesign edRadiusDesign{"edRadius", 118, 86, 80, 21, etFloat, 4, pdShortest, u"", u""};
inline constexpr TFieldDesign edRateDesign{"edRate", 118, 162, 80, 21, etFloat, 3, pdShortest, u"", u""};
inline constexpr TFieldDesign edSpeedDesign{"edSpeed", 118, 214, 80, 21, etFloat, 3, pdShortest, u"", u""};
inline constexpr TFieldDesign edCommandedDesign{"edCommanded", 118, 292, 80, 21, etFloat, 6, pdShortest,
                                                u"\u00B0", u"360"};
inline constexpr TFieldDesign edMeasuredDesign{"edMeasured", 270, 292, 80, 21, etFloat, 6, pdShortest,
                                               u"\u00B0", u""};

}  // namespace tornivex
