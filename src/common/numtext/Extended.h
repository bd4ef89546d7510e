#pragma once
// The 80-bit extended format every calculation and number text works in: the x87 unit's own
// long double where the compiler gives it, the software type of the same bits elsewhere (or when
// TORNIVEX_SOFT_EXTENDED asks for it). Code works through the helpers below, never through
// std::isnan and friends, so that both build.
#include <cfloat>
#include <cmath>
#include <limits>

#include "SoftExtended.h"

#if !defined(TORNIVEX_SOFT_EXTENDED) && (LDBL_MANT_DIG != 64 || LDBL_MAX_EXP != 16384)
#define TORNIVEX_SOFT_EXTENDED 1
#endif

namespace tornivex {

#if TORNIVEX_SOFT_EXTENDED
using Extended = SoftExtended;
constexpr bool kHardwareExtended = false;
#else
using Extended = long double;
constexpr bool kHardwareExtended = true;

inline bool IsNaN(long double x) { return std::isnan(x); }
inline bool IsInf(long double x) { return std::isinf(x); }
inline bool IsFinite(long double x) { return std::isfinite(x); }
inline bool SignBit(long double x) { return std::signbit(x); }
#endif

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must have the 64-bit significand of the x87 format");
static_assert(std::numeric_limits<Extended>::max_exponent == 16384,
              "Extended must have a 15-bit exponent");

}  // namespace tornivex
