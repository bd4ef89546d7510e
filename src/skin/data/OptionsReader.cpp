#include "OptionsReader.h"

#include "OptionRanges.h"
#include "SkinLimits.h"
#include "common/color/Color.h"

#include <algorithm>

namespace tornivex {

// Chains are walked for at most the longest chain a skin may have (longer ones are refused at
// load), so a loop through several sections ends as "not found" instead of recursing forever.
static int MaxChainSteps(const TSkinOptions& options) {
    return std::min(options.SectionCount(), MaxParentChainDepth);
}

const QString* TSkinOptionsReader::FindText(int section, const QString& key) const {
    const int maxSteps = MaxChainSteps(options_);
    for (int steps = 0; section >= 0 && section < options_.SectionCount() && steps <= maxSteps; ++steps) {
        if (const QString* value = options_.SectionAt(section).Find(key)) return value;
        section = options_.ParentOf(section);
    }
    return nullptr;
}

std::optional<int> TSkinOptionsReader::FindInt(int section, const QString& key) const {
    bool fromParent = false;
    const int maxSteps = MaxChainSteps(options_);
    for (int steps = 0; section >= 0 && section < options_.SectionCount() && steps <= maxSteps; ++steps) {
        if (const QString* text = options_.SectionAt(section).Find(key)) {
            if (const auto value = ParseSkinInteger(*text); value && *value != -1)
                return fromParent ? ColorToRGB(*value) : *value;
        }
        section = options_.ParentOf(section);
        fromParent = true;
    }
    return std::nullopt;
}

QString TSkinOptionsReader::ReadText(int section, const QString& key, const QString& def) const {
    const QString* text = FindText(section, key);
    return text ? *text : def;
}

int TSkinOptionsReader::ReadInt(int section, const QString& key, int def) const {
    if (const std::optional<int> value = FindInt(section, key)) return LimitToOptionRange(key, *value);
    return def;
}

bool TSkinOptionsReader::ReadBool(int section, const QString& key, bool def) const {
    const QString* text = FindText(section, key);
    if (!text) return def;
    return *text == QLatin1String("TRUE") || *text == QLatin1String("1");
}

int TSkinOptionsReader::ReadDirectInt(int section, const QString& key, int def) const {
    if (const auto text = options_.Value(section, key))
        if (const auto value = ParseSkinInteger(*text)) return LimitToOptionRange(key, *value);
    return def;
}

QString TSkinOptionsReader::ReadDirectText(int section, const QString& key,
                                           const QString& def) const {
    return options_.Value(section, key).value_or(def);
}

} // namespace tornivex
