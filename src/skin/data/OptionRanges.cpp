#include "OptionRanges.h"

#include <QHash>

#include <algorithm>
#include <iterator>

namespace tornivex {
namespace {

// Sizes and offsets stay within a byte's range: skin elements are small, and a value of this size
// keeps every sum of the pixel code far from the integer limits. Percentages are 0..100.
constexpr TOptionRange Ranges[] = {
    // Sections (read through PARENTCLASS); "HOT" keys are the hot state's.
    {"STATES", 0, 255},
    {"GLOW", 0, 255},
    {"GLOWMARGIN", 0, 255},
    {"GSIZE", 0, 32},
    {"HGSIZE", 0, 32},
    {"TRANSPARENCY", 0, 100},
    {"HOTTRANSPARENCY", 0, 100},
    {"GRADIENTPERCENT", 0, 100},
    {"HOTGRADIENTPERCENT", 0, 100},
    {"IMAGEPERCENT", 0, 100},
    {"HOTIMAGEPERCENT", 0, 100},
    {"OUTOFFSL", 0, 255},
    {"OUTOFFST", 0, 255},
    {"OUTOFFSR", 0, 255},
    {"OUTOFFSB", 0, 255},
    {"OUTOPACITY", 0, 255},
    {"OUTERMODE", 0, 255},
    {"TABSCOVERING", -255, 255},
    // [GLOBALINFO]
    {"BORDERWIDTH", 0, 255},
    {"TITLEHEIGHT", 0, 255},
    {"MAXHEIGHT", 0, 255},
    {"FORMOFFSET", 0, 255},
    {"CENTEROFFSET", -255, 255},
    {"BORDERMODE", 0, 255},
    {"BRIGHTMIN", -100, 100},
    {"BRIGHTMAX", -100, 100},
    {"ALIGNOFFSET", -255, 255},
    {"ALIGNOFFSETR", -255, 255},
    {"ALIGNOFFSETT", -255, 255},
    {"ALIGNOFFSETB", -255, 255},
    {"BISPACE", -255, 255},
    {"BIVALIGN", -255, 255},
    {"BIRIGHT", -255, 255},
    {"BILEFT", -255, 255},
    {"BITOP", -255, 255},
    {"BIKEEPHUE", 0, 255},
    {"AEROBLUR", 0, 1},
    {"BICONCLOSEGLOW", 0, 255},
    {"BICONCLOSEGLOWMARGIN", 0, 255},
    {"BICONMAXGLOW", 0, 255},
    {"BICONMAXGLOWMARGIN", 0, 255},
    {"BICONMINGLOW", 0, 255},
    {"BICONMINGLOWMARGIN", 0, 255},
    {"SHADOW1OFFSET", -255, 255},
    {"SHADOW1BLUR", -1, 255},
    {"SHADOW1TRANSPARENCY", 0, 100},
    {"COMBOMARGIN", 0, 255},
    // Outer effects of [GLOBALINFO], light ("LO_") and shadow ("SH_"); -1 widths mean "as the mask".
    {"LO_WIDTHL", -1, 255},
    {"LO_WIDTHT", -1, 255},
    {"LO_WIDTHR", -1, 255},
    {"LO_WIDTHB", -1, 255},
    {"LO_OFFSETL", -255, 255},
    {"LO_OFFSETT", -255, 255},
    {"LO_OFFSETR", -255, 255},
    {"LO_OFFSETB", -255, 255},
    {"LO_SOURCE", 0, 2},
    {"LO_OPACITY", 0, 255},
    {"SH_WIDTHL", -1, 255},
    {"SH_WIDTHT", -1, 255},
    {"SH_WIDTHR", -1, 255},
    {"SH_WIDTHB", -1, 255},
    {"SH_OFFSETL", -255, 255},
    {"SH_OFFSETT", -255, 255},
    {"SH_OFFSETR", -255, 255},
    {"SH_OFFSETB", -255, 255},
    {"SH_SOURCE", 0, 2},
    {"SH_OPACITY", 0, 255},
};

} // namespace

std::optional<TOptionRange> OptionRangeOf(const QString& key) {
    // Every read of a number asks for its key's range: one hash look-up instead of a walk over
    // the table.
    static const QHash<QString, const TOptionRange*> byKey = [] {
        QHash<QString, const TOptionRange*> table;
        for (const TOptionRange& range : Ranges) table.insert(QString::fromLatin1(range.Key), &range);
        return table;
    }();
    const auto it = byKey.constFind(key);
    if (it == byKey.cend()) return std::nullopt;
    return **it;
}

int LimitToOptionRange(const QString& key, int value) {
    const std::optional<TOptionRange> range = OptionRangeOf(key);
    return range ? std::clamp(value, range->Min, range->Max) : value;
}

const TOptionRange* OptionRangesBegin() { return std::begin(Ranges); }
const TOptionRange* OptionRangesEnd() { return std::end(Ranges); }

} // namespace tornivex
