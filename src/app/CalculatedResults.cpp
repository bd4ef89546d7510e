#include "CalculatedResults.h"

#include <QStringList>

namespace tornivex {

void TCalculatedResults::Clear() {
    lines_.fill(std::nullopt);
    units_.reset();
    values_.fill(std::nullopt);
}

std::optional<QString> TCalculatedResults::Units() const {
    if (!Line(ResultLine::Label13)) return std::nullopt;
    return units_;
}

std::optional<QString> TCalculatedResults::AllLines() const {
    QStringList set;
    for (const auto& line : lines_)
        if (line) set.append(*line);
    if (set.isEmpty()) return std::nullopt;
    return set.join(u'\n');
}

void RecordedResultLines::SetCaption(ResultLine line, const std::u16string& caption) {
    labels_.SetCaption(line, caption);
    results_.SetLine(line, QString::fromStdU16String(caption));
}

void RecordedResultLines::SetValue(TuningValue value, Extended x, const std::u16string& text) {
    results_.SetValue(value, x);
    if (value == TuningValue::UnitsPerDegree) results_.SetUnits(QString::fromStdU16String(text));
}

}  // namespace tornivex
