#pragma once
// The command-line calculator, callable in-process: arguments in, result lines and messages out.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "CalcCase.h"

namespace tornivex::calc {

// args excludes the program name. Result lines go to out, one per line, UTF-8; messages to err;
// --batch reads its lines from in.
int RunCalculator(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);
// The same without standard input: --batch reads no lines.
int RunCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tornivex::calc
