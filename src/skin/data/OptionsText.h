#pragma once
// The options text of a skin: INI-like sections of "key=value" lines, kept in their order.
// Section names and keys compare case-sensitively; the first occurrence of a key counts.
#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace tornivex {

class TSkinOptions {
public:
    struct Section {
        QString Name;
        std::vector<QString> Keys;          // distinct keys in order of first appearance
        QHash<QString, QString> Values;     // first occurrence of each key
    };

    // Parses 8-bit text (lines end with CR LF, LF or CR). Never fails: lines that are not
    // sections or entries are ignored.
    static TSkinOptions Parse(const QByteArray& text);

    int SectionCount() const { return int(sections_.size()); }
    const Section& SectionAt(int index) const { return sections_[std::size_t(index)]; }
    // Index of the first section with this name, -1 when none.
    int IndexOfSection(const QString& name) const;
    // The value of `key` in section `index`; nullopt when the key is absent.
    std::optional<QString> Value(int index, const QString& key) const;
    std::optional<QString> Value(const QString& section, const QString& key) const;

    // Adds or replaces the keys of `other`'s sections (used for the manager's common sections):
    // a section of the same name gets the other's values in front of its own; a new section is
    // appended.
    void OverrideWith(const TSkinOptions& other);

private:
    std::vector<Section> sections_;
    QHash<QString, int> firstSection_;
};

// Integer notation of the options text: optional sign, decimal digits, or "0x"/"0X" and hex
// digits (a hex value of 32 bits wraps to the signed range, as colour values need).
std::optional<int> ParseSkinInteger(QStringView text);

} // namespace tornivex
