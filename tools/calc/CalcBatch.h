#pragma once
// Batch mode: one calculation per input line, one result per output line.
#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace tornivex::calc {

// A line's four values, or why it does not hold them. Four comma-separated values (blanks around
// the commas allowed) are taken as they are; any other line is split at blanks, so values that
// contain a comma (a decimal comma, grouped thousands) are written blank-separated.
std::variant<std::array<std::string_view, 4>, std::string> SplitBatchLine(std::string_view line);

// Reads lines until the end of in. Each line prints its units value (its JSON object with json)
// on one line of out, or an empty line (the object with its error) when it has none; each
// message goes to err as "line N: message". Returns kSuccess when every line succeeded, else
// kCalculationError.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, bool json);

}  // namespace tornivex::calc
