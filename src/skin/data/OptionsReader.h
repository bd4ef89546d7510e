#pragma once
// Reads section keys through the PARENTCLASS chain, with defaults and maximums.
#include <QString>

#include <optional>

#include "OptionsText.h"

namespace tornivex {

class TSkinOptionsReader {
public:
    explicit TSkinOptionsReader(const TSkinOptions& options) : options_(options) {}

    // The section's own value, else the parent's (recursively), else `def`.
    QString ReadText(int section, const QString& key, const QString& def) const;
    // The section's own integer; when absent, invalid or -1 the parent's (system colours
    // resolved); when still -1 `def`. A value read from the text is limited to its key's range
    // (OptionRanges.h); `def` is used as given.
    int ReadInt(int section, const QString& key, int def) const;
    // "TRUE" or "1" is true, any other text false, `def` when absent everywhere.
    bool ReadBool(int section, const QString& key, bool def) const;

    // [GLOBALINFO]-style direct reads (no inheritance); invalid integers count as absent, valid
    // ones are limited to their key's range.
    int ReadDirectInt(int section, const QString& key, int def) const;
    QString ReadDirectText(int section, const QString& key, const QString& def) const;

    // The parent section index of `section`, -1 when it has none (TSkinOptions::ParentOf).
    int ParentOf(int section) const { return options_.ParentOf(section); }

    const TSkinOptions& Options() const { return options_; }

private:
    const QString* FindText(int section, const QString& key) const;
    std::optional<int> FindInt(int section, const QString& key) const;

    const TSkinOptions& options_;
};

} // namespace tornivex
