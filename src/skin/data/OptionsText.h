#pragma once
// The options text of a skin: INI-like sections of "key=value" lines, kept in their order.
// Section names and keys compare case-sensitively; the first occurrence of a key counts.
#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace tornivex {

// The PARENTCLASS value of a section without a parent.
inline constexpr char NotAvailable[] = "N/A";

class TSkinOptions {
public:
    struct Section {
        QString Name;
        std::vector<QString> Keys;  // distinct keys in order of first appearance
        std::vector<QString> Texts; // Texts[i] is the value of Keys[i] (its first occurrence)

        const QString* Find(const QString& key) const;
        bool Contains(const QString& key) const { return Find(key) != nullptr; }
        QString Value(const QString& key, const QString& def = QString()) const {
            const QString* text = Find(key);
            return text ? *text : def;
        }
        // Drops repeated keys (the first stays) and sorts the look-up order; after any change.
        void Finish();

    private:
        // Indexes into Keys, sorted by length, then by the UTF-16 units: most keys of another
        // length are passed over without comparing text. A few allocations per section.
        std::vector<int> byKey_;
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
    // The section named by the PARENTCLASS of section `index`: -1 when it names none (absent,
    // empty, "N/A" or the section itself) or no section has that name. Worked out once for all
    // sections when the text is parsed or overridden, so walking a chain compares no text.
    int ParentOf(int index) const {
        return index >= 0 && index < SectionCount() ? parents_[std::size_t(index)] : -1;
    }

    // Adds or replaces the keys of `other`'s sections (used for the manager's common sections):
    // a section of the same name gets the other's values in front of its own; a new section is
    // appended.
    void OverrideWith(const TSkinOptions& other);

private:
    void FindParents();

    std::vector<Section> sections_;
    QHash<QString, int> firstSection_;
    std::vector<int> parents_; // ParentOf of each section
};

// Integer notation of the options text: optional sign, then decimal digits in the 32-bit range or
// "0x"/"0X" and at most 8 significant hex digits taken as a 32-bit pattern (so colour values
// 0xFF0000nn read as the negative system colours). Answers nothing for anything else. It is
// deliberately stricter than the number text's ParseInteger, which the calculation uses, and
// differs from it in exactly these points: no blank anywhere (ParseInteger allows leading
// spaces), "0x"/"0X" is the only hex marker (ParseInteger also takes "$", "x" and "X"), and
// "-0x80000000" is refused (ParseInteger reads -2147483648); a failure is an absent value here
// and an EConvertError there.
std::optional<int> ParseSkinInteger(QStringView text);

} // namespace tornivex
