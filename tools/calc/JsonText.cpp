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

// Writes the escape for a character below 0x20, a quote or a backslash; returns the new end.
char* WriteEscape(char* at, unsigned c) {
    constexpr char kHex[] = "0123456789abcdef";
    *at++ = '\\';
    switch (c) {
        case '"': *at++ = '"'; break;
        case '\\': *at++ = '\\'; break;
        case '\n': *at++ = 'n'; break;
        case '\r': *at++ = 'r'; break;
        case '\t': *at++ = 't'; break;
        default:
            *at++ = 'u';
            *at++ = '0';
            *at++ = '0';
            *at++ = kHex[c >> 4];
            *at++ = kHex[c & 0xF];
    }
    return at;
}

bool NeedsEscape(unsigned c) { return c < 0x20 || c == '"' || c == '\\'; }

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    // Room for the worst case (every byte escaped as \u00XX), trimmed afterwards.
    const size_t start = out.size();
    out.resize(start + utf8.size() * 6 + 2);
    char* at = out.data() + start;
    *at++ = '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) at = WriteEscape(at, byte);
        else *at++ = c;  // UTF-8 passes as it is
    }
    *at++ = '"';
    out.resize(static_cast<size_t>(at - out.data()));
}

void AppendJsonString(std::string& out, std::u16string_view text) {
    const size_t start = out.size();
    out.resize(start + text.size() * 6 + 2);
    char* at = out.data() + start;
    *at++ = '"';
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c < 0x80) {
            if (NeedsEscape(c)) at = WriteEscape(at, c);
            else *at++ = static_cast<char>(c);
            continue;
        }
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x800) {
            *at++ = static_cast<char>(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *at++ = static_cast<char>(0xE0 | (c >> 12));
            *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        } else {
            *at++ = static_cast<char>(0xF0 | (c >> 18));
            *at++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        }
        *at++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    *at++ = '"';
    out.resize(static_cast<size_t>(at - out.data()));
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
