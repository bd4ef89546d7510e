#pragma once
// What the last calculation produced, as the result lines show it: the lines it set and the units
// value. A line it did not set (no calculation yet, or the run failed before it) has nothing to
// copy, whatever its label still shows.
#include <array>
#include <optional>

#include <QString>

#include "FieldResultLines.h"

namespace tornivex {

class TCalculatedResults {
public:
    // A calculation begins: nothing is its result yet.
    void Clear();
    void SetLine(ResultLine line, const QString& text) { lines_[Index(line)] = text; }
    void SetUnits(const QString& text) { units_ = text; }
    void SetValue(TuningValue value, Extended x) { values_[static_cast<size_t>(value)] = x; }

    std::optional<QString> Line(ResultLine line) const { return lines_[Index(line)]; }
    // The number of result line 5 alone, once that line was set.
    std::optional<QString> Units() const;
    // The lines the last calculation set, one per line.
    std::optional<QString> AllLines() const;
    // A value the last calculation computed, exactly (the tuning assistant starts from these).
    std::optional<Extended> Value(TuningValue value) const { return values_[static_cast<size_t>(value)]; }

private:
    static size_t Index(ResultLine line) { return static_cast<size_t>(line); }

    std::array<std::optional<QString>, 5> lines_;
    std::optional<QString> units_;
    std::array<std::optional<Extended>, kTuningValueCount> values_;
};

// The result lines of the window: each caption goes to its label and into the record.
class RecordedResultLines : public TuningResultLines {
public:
    RecordedResultLines(std::array<platform::TLabel*, 5> labels, TCalculatedResults& results)
        : labels_(labels), results_(results) {}

    void SetCaption(ResultLine line, const std::u16string& caption) override;
    void SetValue(TuningValue value, Extended x, const std::u16string& text) override;

private:
    LabelResultLines labels_;
    TCalculatedResults& results_;
};

}  // namespace tornivex
