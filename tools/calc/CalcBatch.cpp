#include "CalcBatch.h"

#include <vector>

#include "CalcCase.h"
#include "CalcJson.h"
#include "Errors.h"

namespace tornivex::calc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool HasBlank(std::string_view text) {
    for (const char c : text)
        if (IsBlank(c)) return true;
    return false;
}

std::vector<std::string_view> SplitAt(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t at = line.find(separator); at != std::string_view::npos; at = line.find(separator, start)) {
        parts.push_back(Trimmed(line.substr(start, at - start)));
        start = at + 1;
    }
    parts.push_back(Trimmed(line.substr(start)));
    return parts;
}

std::vector<std::string_view> SplitAtBlanks(std::string_view line) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        const size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) ++at;
        if (at > start) words.push_back(line.substr(start, at - start));
    }
    return words;
}

std::string CountMessage(size_t count) {
    return "expected 4 values separated by blanks or commas, got " + std::to_string(count);
}

}  // namespace

std::variant<std::array<std::string_view, 4>, std::string> SplitBatchLine(std::string_view line) {
    std::vector<std::string_view> values;
    if (line.find(',') != std::string_view::npos) {
        values = SplitAt(line, ',');
        bool commaSeparated = true;
        for (const std::string_view value : values) commaSeparated = commaSeparated && !HasBlank(value);
        if (commaSeparated) {
            if (values.size() != 4) return CountMessage(values.size());
            for (size_t i = 0; i < values.size(); ++i)
                if (values[i].empty()) return "value " + std::to_string(i + 1) + " is empty";
        } else {
            values.clear();
        }
    }
    if (values.empty()) values = SplitAtBlanks(line);
    if (values.size() != 4) return CountMessage(values.size());
    return std::array<std::string_view, 4>{values[0], values[1], values[2], values[3]};
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, bool json) {
    CaseRunner runner;
    bool allSucceeded = true;
    long number = 0;
    std::string text;
    std::string pending;  // results not yet written: one write per block, not per line
    constexpr size_t kBlock = 64 * 1024;
    while (std::getline(in, text)) {
        ++number;
        std::string_view line = text;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        CaseResult result;
        const auto split = SplitBatchLine(line);
        if (const auto* values = std::get_if<std::array<std::string_view, 4>>(&split)) {
            try {
                result = runner.Run(*values);
            } catch (const std::exception& error) {
                // Nothing the fields or the calculation raise gets here; should anything else
                // (memory running out, say), this line fails and the run goes on.
                result = CaseResult{};
                result.failure = CaseFailure{"readLine", error.what()};
                result.refused = true;
            }
        } else {
            result.failure = CaseFailure{"readLine", std::get<std::string>(split)};
            result.refused = true;
        }

        if (result.Status() != kSuccess) {
            allSucceeded = false;
            const std::string prefix = "line " + std::to_string(number) + ": ";
            for (const std::string& message : result.messages) err << prefix << message << '\n';
            if (result.refused) err << prefix << result.failure->message << '\n';
        }
        if (json) {
            pending += CaseJson(result, number);
        } else if (const auto& units = result.values[static_cast<size_t>(TuningValue::UnitsPerDegree)]) {
            pending += ToUtf8(units->text);
        }
        pending += '\n';
        // Results reach a reader that waits for them whenever no more input is at hand.
        if (pending.size() >= kBlock || in.rdbuf()->in_avail() <= 0) {
            out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
            out.flush();
            pending.clear();
        }
    }
    out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    out.flush();
    return allSucceeded ? kSuccess : kCalculationError;
}

}  // namespace tornivex::calc
