// Compares the number text rules with reference vectors computed in exact rational arithmetic
// by make_reference_vectors.py (see data/). Each file is checked with "." and with "," as the
// decimal separator; all mismatches are counted and the first few shown.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "LocaleSettings.h"
#include "NumberText.h"
#include "TestText.h"

namespace tornivex {
namespace {

using testing::Utf8;

constexpr size_t kShownMismatches = 10;

std::string DataPath(const std::string& name) {
    if (const char* root = std::getenv("TORNIVEX_SOURCE_DIR")) {
        return std::string(root) + "/tests/common/numtext/data/" + name;
    }
    return std::string(NUMTEXT_REFERENCE_DIR) + "/" + name;
}

std::vector<std::string> ReadLines(const std::string& name) {
    std::ifstream in(DataPath(name), std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> parts;
    std::stringstream stream(line);
    std::string part;
    while (std::getline(stream, part, '\t')) parts.push_back(part);
    return parts;
}

Extended FromHex(const std::string& hex) {
    const unsigned long signExponent = std::stoul(hex.substr(0, 4), nullptr, 16);
    const unsigned long long significand = std::stoull(hex.substr(4, 16), nullptr, 16);
    return float80::Compose({(signExponent & 0x8000) != 0, static_cast<int>(signExponent & 0x7FFF),
                             significand});
}

std::string ToHex(Extended value) {
    const float80::Fields f = float80::Decompose(value);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%04X%016llX",
                  static_cast<unsigned>(f.biasedExponent | (f.negative ? 0x8000 : 0)),
                  static_cast<unsigned long long>(f.significand));
    return buffer;
}

// The text as it reads with the other separator: "." and "," trade places.
std::string SwapSeparators(std::string text, char16_t separator) {
    if (separator == u'.') return text;
    for (char& c : text) {
        if (c == '.') c = ',';
        else if (c == ',') c = '.';
    }
    return text;
}

class Mismatches {
public:
    void Add(const std::string& what) {
        if (shown_.size() < kShownMismatches) shown_.push_back(what);
        ++count_;
    }
    void Report(size_t total) const {
        std::string text;
        for (const std::string& s : shown_) text += "  " + s + "\n";
        EXPECT_EQ(count_, 0u) << count_ << " of " << total << " differ; first ones:\n" << text;
    }

private:
    std::vector<std::string> shown_;
    size_t count_ = 0;
};

class DifferentialTest : public ::testing::TestWithParam<char16_t> {
protected:
    ScopedFormatSettings settings_{GetParam(), GetParam() == u'.' ? u',' : u'.'};
};

TEST_P(DifferentialTest, FormattingMatchesTheExactReference) {
    const std::vector<std::string> lines = ReadLines("format_vectors.txt");
    ASSERT_GE(lines.size(), 20000u) << "reference vectors missing at " << DataPath("format_vectors.txt");
    Mismatches mismatches;
    size_t compared = 0;
    for (const std::string& line : lines) {
        const std::vector<std::string> cols = SplitTabs(line);
        ASSERT_EQ(cols.size(), 5u) << line;
        const Extended value = FromHex(cols[0]);
        const std::string got[4] = {Utf8(NumberText(value)), Utf8(PatternText(u"%g", value)),
                                    Utf8(PatternText(u"%.3f", value)), Utf8(PatternText(u"%.8f", value))};
        static const char* const kNames[4] = {"NumberText", "%g", "%.3f", "%.8f"};
        for (int i = 0; i < 4; ++i) {
            ++compared;
            const std::string expected = SwapSeparators(cols[static_cast<size_t>(i) + 1], GetParam());
            if (got[i] != expected) {
                mismatches.Add(std::string(kNames[i]) + " of " + cols[0] + ": got \"" + got[i] +
                               "\", expected \"" + expected + "\"");
            }
        }
    }
    mismatches.Report(compared);
}

TEST_P(DifferentialTest, ParsingMatchesTheExactReference) {
    const std::vector<std::string> lines = ReadLines("parse_vectors.txt");
    ASSERT_GE(lines.size(), 5000u) << "reference vectors missing at " << DataPath("parse_vectors.txt");
    Mismatches mismatches;
    for (const std::string& line : lines) {
        const size_t tab = line.find('\t');
        ASSERT_TRUE(tab != std::string::npos && line.back() == '|') << line;
        const std::string expected = line.substr(0, tab);
        const std::string text = SwapSeparators(line.substr(tab + 1, line.size() - tab - 2), GetParam());

        Extended value = 12345;
        const bool ok = TryParseNumber(FromUtf8(text), value);
        std::string got;
        if (ok) got = ToHex(value);
        else if (IsInf(value)) got = SignBit(value) ? "overflow-" : "overflow+";
        else if (value == 12345) got = "syntax";
        else got = "failed, value changed to " + ToHex(value);
        if (got != expected) {
            std::string shown = text.size() > 80 ? text.substr(0, 80) + "..." : text;
            mismatches.Add(std::string("text ").append(shown).append(": got ").append(got)
                               .append(", expected ").append(expected));
        }
    }
    mismatches.Report(lines.size());
}

INSTANTIATE_TEST_SUITE_P(Separators, DifferentialTest, ::testing::Values(u'.', u','),
                         [](const auto& param) { return param.param == u'.' ? "Point" : "Comma"; });

}  // namespace
}  // namespace tornivex
