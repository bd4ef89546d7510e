#include "JsonText.h"

#include <charconv>
#include <cmath>

namespace tornivex::calc {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips digits from at; returns how many there were.
size_t SkipDigits(std::string_view text, size_t& at) {
    const size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at - start;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;  // UTF-8 passes as it is
                }
        }
    }
    out += '"';
}

bool IsJsonNumber(std::string_view text) {
    size_t at = 0;
    if (at < text.size() && text[at] == '-') ++at;
    if (at < text.size() && text[at] == '0') {
        ++at;
    } else if (at >= text.size() || !IsDigit(text[at]) || SkipDigits(text, at) == 0) {
        return false;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        if (SkipDigits(text, at) == 0) return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        if (SkipDigits(text, at) == 0) return false;
    }
    return at == text.size();
}

bool FitsDouble(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return false;
    // A zero read from non-zero digits is an underflow.
    const std::string_view digits = text.substr(0, text.find_first_of("eE"));
    return value != 0 || digits.find_first_of("123456789") == std::string_view::npos;
}

}  // namespace tornivex::calc
