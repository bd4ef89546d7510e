#pragma once
// Helpers shared by the number text tests.
#include <string>

#include "Errors.h"
#include "Extended.h"
#include "Float80.h"

namespace tornivex::testing {

// The expected text with every "." replaced by the decimal separator under test.
inline std::u16string WithSeparator(std::string text, char16_t separator) {
    std::u16string out = FromUtf8(text);
    for (char16_t& c : out) {
        if (c == u'.') c = separator;
    }
    return out;
}

inline std::string Utf8(const std::u16string& text) { return ToUtf8(text); }

inline Extended FromFields(bool negative, int biasedExponent, uint64_t significand) {
    return float80::Compose({negative, biasedExponent, significand});
}

}  // namespace tornivex::testing
