#pragma once
// The displayed text of a field is Prefix + value text + Suffix. Positions count characters of
// the displayed text from 0.
#include <string>
#include <string_view>

namespace tornivex::edit {

// Where the value text lies inside a displayed text.
struct ValueSpan {
    size_t start = 0;  // just behind the prefix
    size_t end = 0;    // just before the suffix
};

// The prefix is recognised case-insensitively (ASCII letters); the suffix is cut by length alone,
// whatever its characters now are, and only when the text is at least as long as the suffix.
ValueSpan FindValueSpan(std::u16string_view displayed, std::u16string_view prefix,
                        std::u16string_view suffix);

std::u16string ValueTextOf(std::u16string_view displayed, std::u16string_view prefix,
                           std::u16string_view suffix);

}  // namespace tornivex::edit
