#pragma once
// The command-line calculator, callable in-process: arguments in, result lines and messages out.
#include <ostream>
#include <string>
#include <vector>

namespace tornivex::calc {

enum ExitStatus { kSuccess = 0, kCalculationError = 1, kUsageError = 2 };

// args excludes the program name. Result lines go to out, one per line, UTF-8; messages to err.
int RunCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tornivex::calc
