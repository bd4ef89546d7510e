#pragma once
// The four values of the calculator's reference cases: the worked examples, rounding by the
// fields, grouping, the limits of the division, and every kind of failure.
#include <string>
#include <vector>

namespace tornivex::calc {

inline const std::vector<std::vector<std::string>> kReferenceInputs = {
    {"1.8", "10", "40", "1"},
    {"1.8", "16", "90", "1"},
    {"0.9", "8", "36", "1"},
    {"1.8", "10", "40", "3"},
    {"1,8", "10", "40", "3"},
    {"1.23456", "10", "40", "1"},
    {"0.72", "2147483647", "1,234.5", "7"},
    {"0", "10", "40", "1"},
    {"0.0004", "10", "40", "1"},
    {"1.8", "12345678901", "40", "1"},
    {"1.8", "0", "40", "1"},
    {"1.8", "10", "40", "0"},
    {"1.8", "10", "0", "0"},
    {"1" + std::string(400, '0'), "10", "40", "1"},
    {"15", "10", "0.123456789", "1" + std::string(330, '0')},
};

}  // namespace tornivex::calc
