#pragma once
// The valid range of every numeric option of a skin's options text. The loader limits each value
// it reads to its key's range, so no value reaches the pixel code that its arithmetic cannot take;
// `tornivex-skin check` warns about every value it limits. docs/SKINS.md lists the same table.
#include <QString>

#include <optional>

namespace tornivex {

struct TOptionRange {
    const char* Key;
    int Min;
    int Max;
};

// The range of `key` (upper case, as the options text writes it); nullopt for keys without a
// range: colours (any value is a colour, a system colour or none) and texts.
std::optional<TOptionRange> OptionRangeOf(const QString& key);

// `value` limited to the range of `key`; unchanged for keys without a range.
int LimitToOptionRange(const QString& key, int value);

// Every ranged key, for documentation checks.
const TOptionRange* OptionRangesBegin();
const TOptionRange* OptionRangesEnd();

} // namespace tornivex
