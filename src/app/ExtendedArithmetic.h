#pragma once
// Extended arithmetic that raises the floating-point faults at the operation that causes them,
// the way the x87 unit's unmasked exceptions do: zero divide, invalid operation, overflow.
// Underflow, denormal operands and inexact results raise nothing.
#include <cmath>

#include "Errors.h"
#include "Extended.h"

namespace tornivex {

inline Extended CheckedResult(Extended result, Extended a, Extended b) {
    if (IsNaN(result) && !IsNaN(a) && !IsNaN(b)) throw EInvalidOp();
    if (IsInf(result) && IsFinite(a) && IsFinite(b)) throw EOverflow();
    return result;
}

inline Extended Divide(Extended a, Extended b) {
    if (b == 0 && !IsNaN(b)) {
        if (a == 0 || IsNaN(a)) throw EInvalidOp();
        throw EZeroDivide();
    }
    return CheckedResult(a / b, a, b);
}

inline Extended Multiply(Extended a, Extended b) { return CheckedResult(a * b, a, b); }

}  // namespace tornivex
