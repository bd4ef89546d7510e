#include "OptionsText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <limits>

namespace tornivex {
namespace {

// The order of Section::Find: length first, then the UTF-16 units (not a text order, but total,
// and equal exactly when the keys are equal).
bool KeyBefore(const QString& a, const QString& b) {
    if (a.size() != b.size()) return a.size() < b.size();
    return std::memcmp(a.constData(), b.constData(), std::size_t(a.size()) * sizeof(QChar)) < 0;
}

QStringView TrimControls(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin].unicode() <= u' ') ++begin;
    while (end > begin && s[end - 1].unicode() <= u' ') --end;
    return s.mid(begin, end - begin);
}

} // namespace

std::optional<int> ParseSkinInteger(QStringView text) {
    if (text.isEmpty()) return std::nullopt;
    qsizetype pos = 0;
    bool negative = false;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++pos;
    }
    int base = 10;
    if (text.size() - pos > 2 && text[pos] == u'0' && (text[pos + 1] == u'x' || text[pos + 1] == u'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size()) return std::nullopt;
    const qint64 limit = base == 16 ? qint64(0xFFFFFFFF) : qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    if (base == 16) {
        const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        if (!negative) return wrapped;
        if (wrapped == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
        return -wrapped;
    }
    if (negative) return int(-value);
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return int(value);
}

const QString* TSkinOptions::Section::Find(const QString& key) const {
    const auto at = std::lower_bound(byKey_.begin(), byKey_.end(), key,
                                     [this](int i, const QString& k) { return KeyBefore(Keys[std::size_t(i)], k); });
    if (at == byKey_.end() || Keys[std::size_t(*at)] != key) return nullptr;
    return &Texts[std::size_t(*at)];
}

void TSkinOptions::Section::Finish() {
    std::vector<int> order(Keys.size());
    std::iota(order.begin(), order.end(), 0);
    const auto byText = [this](int a, int b) { return KeyBefore(Keys[std::size_t(a)], Keys[std::size_t(b)]); };
    std::stable_sort(order.begin(), order.end(), byText);
    std::vector<bool> repeated(Keys.size(), false);
    for (std::size_t i = 1; i < order.size(); ++i)
        if (Keys[std::size_t(order[i])] == Keys[std::size_t(order[i - 1])]) repeated[std::size_t(order[i])] = true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (repeated[i]) continue;
        Keys[kept] = std::move(Keys[i]);
        Texts[kept] = std::move(Texts[i]);
        ++kept;
    }
    Keys.resize(kept);
    Texts.resize(kept);
    byKey_.resize(kept);
    std::iota(byKey_.begin(), byKey_.end(), 0);
    std::sort(byKey_.begin(), byKey_.end(), byText);
}

TSkinOptions TSkinOptions::Parse(const QByteArray& text) {
    TSkinOptions options;
    const QString all = QString::fromLatin1(text);
    Section* current = nullptr;
    qsizetype lineStart = 0;
    while (lineStart <= all.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < all.size() && all[lineEnd] != u'\r' && all[lineEnd] != u'\n') ++lineEnd;
        const QStringView line = TrimControls(QStringView(all).mid(lineStart, lineEnd - lineStart));
        // CR LF counts as one line end.
        lineStart = lineEnd + 1;
        if (lineEnd < all.size() && all[lineEnd] == u'\r' && lineStart < all.size() && all[lineStart] == u'\n')
            ++lineStart;

        if (line.isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2) {
            if (current) current->Finish();
            Section section;
            section.Name = TrimControls(line.mid(1, line.size() - 2)).toString();
            options.sections_.push_back(std::move(section));
            current = &options.sections_.back();
            continue;
        }
        if (!current) continue;
        const qsizetype eq = line.indexOf(u'=');
        const QString key = (eq < 0 ? line : TrimControls(line.left(eq))).toString();
        const QString value = eq < 0 ? QString() : TrimControls(line.mid(eq + 1)).toString();
        current->Keys.push_back(key);
        current->Texts.push_back(value);
    }
    if (current) current->Finish();
    // Look-ups by name find the first of two equally named sections.
    options.firstSection_.clear();
    for (int i = int(options.sections_.size()) - 1; i >= 0; --i)
        options.firstSection_.insert(options.sections_[std::size_t(i)].Name, i);
    options.FindParents();
    return options;
}

void TSkinOptions::FindParents() {
    const QString parentKey = QStringLiteral("PARENTCLASS");
    parents_.assign(sections_.size(), -1);
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const QString* parent = sections_[i].Find(parentKey);
        if (!parent || parent->isEmpty() || *parent == QLatin1String(NotAvailable) || *parent == sections_[i].Name)
            continue;
        parents_[i] = IndexOfSection(*parent);
    }
}

int TSkinOptions::IndexOfSection(const QString& name) const {
    return firstSection_.value(name, -1);
}

std::optional<QString> TSkinOptions::Value(int index, const QString& key) const {
    if (index < 0 || index >= SectionCount()) return std::nullopt;
    const QString* text = sections_[std::size_t(index)].Find(key);
    if (!text) return std::nullopt;
    return *text;
}

std::optional<QString> TSkinOptions::Value(const QString& section, const QString& key) const {
    return Value(IndexOfSection(section), key);
}

void TSkinOptions::OverrideWith(const TSkinOptions& other) {
    for (const Section& source : other.sections_) {
        const int target = IndexOfSection(source.Name);
        if (target < 0) {
            firstSection_.insert(source.Name, int(sections_.size()));
            sections_.push_back(source);
            continue;
        }
        Section& section = sections_[std::size_t(target)];
        for (std::size_t i = 0; i < source.Keys.size(); ++i) {
            const QString* own = section.Find(source.Keys[i]);
            if (own) {
                section.Texts[std::size_t(own - section.Texts.data())] = source.Texts[i];
            } else {
                section.Keys.push_back(source.Keys[i]);
                section.Texts.push_back(source.Texts[i]);
            }
        }
        section.Finish();
    }
    FindParents();
}

} // namespace tornivex
