#pragma once
// The simple gear ratio a measured ratio most likely is: the fraction nearest to it with a
// denominator up to 100, when it lies within 0.05 % of it.
#include <cstdint>
#include <optional>

#include "Extended.h"

namespace tornivex {

struct SimpleRatio {
    uint32_t motorTurns;  // p of p:q
    uint32_t axisTurns;   // q, 1 to 100
};

constexpr uint32_t kSimpleRatioMaxDenominator = 100;

// Exact: the ratio's binary value is compared with each candidate in integer arithmetic; the
// smaller denominator wins a tie. None for ratios outside 1/1024 to 2^20 or farther than 0.05 %.
std::optional<SimpleRatio> NearestSimpleRatio(Extended ratio);

}  // namespace tornivex
