#pragma once
// The little JSON the calculator writes: strings escaped, numbers checked against the grammar.
#include <string>
#include <string_view>

namespace tornivex::calc {

// Appends utf8 as a JSON string literal, quotes included.
void AppendJsonString(std::string& out, std::string_view utf8);
// The same for UTF-16 text, written as UTF-8 (a lone surrogate as U+FFFD).
void AppendJsonString(std::string& out, std::u16string_view text);

// Whether text is a number by the JSON grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text);

// Whether a JSON number text reads as a finite double, and as zero only when it is zero. Readers commonly
// hold JSON numbers in doubles and refuse or distort any other (some parsers reject the whole
// document), so the calculator writes only these as numbers.
bool FitsDouble(std::string_view text);

}  // namespace tornivex::calc
