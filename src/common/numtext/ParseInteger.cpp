#include "Errors.h"
#include "NumberText.h"

namespace tornivex {

namespace {

constexpr uint64_t kLargestNegativeMagnitude = 2147483648ULL;
constexpr int kMaxHexDigits = 8;

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

// Hex digits as a 32-bit pattern; at most eight significant digits.
bool ReadHex(std::u16string_view digits, uint32_t& pattern) {
    if (digits.empty()) return false;
    int significant = 0;
    pattern = 0;
    for (const char16_t c : digits) {
        const int v = HexDigitValue(c);
        if (v < 0) return false;
        if (significant > 0 || v != 0) ++significant;
        if (significant > kMaxHexDigits) return false;
        pattern = (pattern << 4) | static_cast<uint32_t>(v);
    }
    return true;
}

bool ReadDecimal(std::u16string_view digits, uint64_t& magnitude) {
    if (digits.empty()) return false;
    magnitude = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9') return false;
        magnitude = magnitude * 10 + static_cast<uint64_t>(c - u'0');
        if (magnitude > kLargestNegativeMagnitude) return false;
    }
    return true;
}

bool Convert(std::u16string_view text, int32_t& result) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == u' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    std::u16string_view rest = text.substr(pos);

    size_t markerLength = 0;
    if (!rest.empty() && (rest[0] == u'$' || rest[0] == u'x' || rest[0] == u'X')) markerLength = 1;
    else if (rest.size() >= 2 && rest[0] == u'0' && (rest[1] == u'x' || rest[1] == u'X')) markerLength = 2;

    if (markerLength > 0) {
        uint32_t pattern = 0;
        if (!ReadHex(rest.substr(markerLength), pattern)) return false;
        if (negative) pattern = 0u - pattern;
        result = static_cast<int32_t>(pattern);  // two's complement
        return true;
    }
    uint64_t magnitude = 0;
    if (!ReadDecimal(rest, magnitude)) return false;
    if (!negative && magnitude == kLargestNegativeMagnitude) return false;
    result = negative ? static_cast<int32_t>(0 - magnitude) : static_cast<int32_t>(magnitude);
    return true;
}

}  // namespace

int32_t ParseInteger(std::u16string_view text) {
    int32_t value = 0;
    if (!Convert(text, value)) {
        throw EConvertError(u"''" + std::u16string(text) + u"'' is not a valid integer value");
    }
    return value;
}

}  // namespace tornivex
