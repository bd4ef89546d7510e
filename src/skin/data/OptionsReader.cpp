#include "OptionsReader.h"

#include "OptionRanges.h"
#include "SkinLimits.h"
#include "common/color/Color.h"

#include <algorithm>

namespace tornivex {

int TSkinOptionsReader::ParentOf(int section) const {
    const std::optional<QString> parent = options_.Value(section, QStringLiteral("PARENTCLASS"));
    if (!parent || parent->isEmpty() || *parent == QLatin1String(NotAvailable) ||
        *parent == options_.SectionAt(section).Name)
        return -1;
    return options_.IndexOfSection(*parent);
}

// Chains are walked for at most the longest chain a skin may have (longer ones are refused at
// load), so a loop through several sections ends as "not found" instead of recursing forever.
static int MaxChainSteps(const TSkinOptions& options) {
    return std::min(options.SectionCount(), MaxParentChainDepth);
}

std::optional<QString> TSkinOptionsReader::FindText(int section, const QString& key) const {
    for (int steps = 0; section >= 0 && steps <= MaxChainSteps(options_); ++steps) {
        if (auto value = options_.Value(section, key)) return value;
        section = ParentOf(section);
    }
    return std::nullopt;
}

std::optional<int> TSkinOptionsReader::FindInt(int section, const QString& key) const {
    bool fromParent = false;
    for (int steps = 0; section >= 0 && steps <= MaxChainSteps(options_); ++steps) {
        if (const auto text = options_.Value(section, key)) {
            if (const auto value = ParseSkinInteger(*text); value && *value != -1)
                return fromParent ? ColorToRGB(*value) : *value;
        }
        section = ParentOf(section);
        fromParent = true;
    }
    return std::nullopt;
}

QString TSkinOptionsReader::ReadText(int section, const QString& key, const QString& def) const {
    return FindText(section, key).value_or(def);
}

int TSkinOptionsReader::ReadInt(int section, const QString& key, int def) const {
    if (const std::optional<int> value = FindInt(section, key)) return LimitToOptionRange(key, *value);
    return def;
}

bool TSkinOptionsReader::ReadBool(int section, const QString& key, bool def) const {
    const std::optional<QString> text = FindText(section, key);
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
