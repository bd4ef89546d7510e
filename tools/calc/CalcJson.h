#pragma once
// A calculation case as one JSON object on one line.
#include <string>
#include <string_view>

#include "CalcCase.h"

namespace tornivex::calc {

// {"line": n (batch only, when lineNumber > 0),
//  "inputs": {"stepAngle", "division", "r1", "r2": the value texts the fields hold, or null},
//  "lines": [the result lines as printed],
//  "values": {"stepsPerRevolution", ..., "unitsPerDegree": {"text": "200", "number": 200} or null},
//  "error": null or {"step": "ratio", "message": "Floating point division by zero."},
//  "messages": [every message the window would have shown]}
// The value texts are the result lines' 15-digit texts with a decimal point whatever the
// regional settings; "number" is the same text as a JSON number, or null for a value that a
// double cannot hold (beyond about 1.8E308, or not zero but below about 4.9E-324). No newline at the end.
// `more` (members such as "\"assistant\":{...}", or empty) goes last.
std::string CaseJson(const CaseResult& result, long lineNumber = 0, std::string_view more = {});


}  // namespace tornivex::calc
