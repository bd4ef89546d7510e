#include "AffixText.h"

#include <algorithm>

namespace tornivex::edit {
namespace {

char16_t AsciiUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool StartsWithFolded(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char16_t a, char16_t b) { return AsciiUpper(a) == AsciiUpper(b); });
}

}  // namespace

ValueSpan FindValueSpan(std::u16string_view displayed, std::u16string_view prefix,
                        std::u16string_view suffix) {
    ValueSpan span{0, displayed.size()};
    if (!prefix.empty() && StartsWithFolded(displayed, prefix)) span.start = prefix.size();
    if (!suffix.empty() && displayed.size() >= suffix.size())
        span.end = displayed.size() - suffix.size();
    // A prefix and a suffix that overlap in a short text leave an empty value.
    span.end = std::max(span.end, span.start);
    return span;
}

std::u16string ValueTextOf(std::u16string_view displayed, std::u16string_view prefix,
                           std::u16string_view suffix) {
    const ValueSpan span = FindValueSpan(displayed, prefix, suffix);
    return std::u16string(displayed.substr(span.start, span.end - span.start));
}

}  // namespace tornivex::edit
