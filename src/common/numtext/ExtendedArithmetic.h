#pragma once
// Extended arithmetic that raises the floating-point faults at the operation that causes them,
// the way the x87 unit's unmasked exceptions do: zero divide, invalid operation, overflow.
// Underflow, denormal operands and inexact results raise nothing. Written once for both the
// hardware type and the software one, so the differential tests can hold them to the same rules.
#include "Errors.h"
#include "Extended.h"

namespace tornivex {

enum class ArithmeticFault { None, ZeroDivide, Invalid, Overflow };

// The fault the unit reports for `result` = a (op) b. Reading it from the values is exact
// because a NaN or an infinity out of ordinary operands has one cause each: an invalid
// operation, or (when dividing a finite non-zero value by zero) a zero divide, else an overflow.
// A quiet NaN operand passes through silently; a signalling one is an invalid operation.
template <class T>
ArithmeticFault FaultOf(T a, T b, T result, bool division) {
    const auto signalling = [](T x) {
        const SoftExtended bits(x);  // the same bits, whichever type x has
        const bool unsupported = bits.BiasedExponent() != 0 && (bits.Significand() >> 63) == 0;
        return unsupported || (IsNaN(bits) && ((bits.Significand() >> 62) & 1) == 0);
    };
    if (signalling(a) || signalling(b)) return ArithmeticFault::Invalid;
    if (IsNaN(a) || IsNaN(b)) return ArithmeticFault::None;
    if (IsNaN(result)) return ArithmeticFault::Invalid;
    if (IsInf(result) && IsFinite(a) && IsFinite(b)) {
        return division && b == 0 ? ArithmeticFault::ZeroDivide : ArithmeticFault::Overflow;
    }
    return ArithmeticFault::None;
}

template <class T>
T Checked(T a, T b, T result, bool division) {
    switch (FaultOf(a, b, result, division)) {
    case ArithmeticFault::ZeroDivide: throw EZeroDivide();
    case ArithmeticFault::Invalid: throw EInvalidOp();
    case ArithmeticFault::Overflow: throw EOverflow();
    case ArithmeticFault::None: break;
    }
    return result;
}

template <class T>
T Divide(T a, T b) { return Checked(a, b, a / b, true); }

template <class T>
T Multiply(T a, T b) { return Checked(a, b, a * b, false); }

template <class T>
T Subtract(T a, T b) { return Checked(a, b, a - b, false); }

}  // namespace tornivex
