#pragma once
// Runs tornivex-calc in-process and keeps what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "CalcRun.h"

namespace tornivex::calc {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// input is what --batch reads.
inline Outcome Calc(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCalculator(args, in, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

}  // namespace tornivex::calc
