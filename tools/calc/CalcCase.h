#pragma once
// One calculation from four typed values: the values go into the fields, the calculation runs,
// and everything a reader may want comes back — the inputs as the fields read them, the result
// lines, the values, the messages the window would show and where the run failed.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalcFields.h"
#include "Extended.h"
#include "LocaleSettings.h"
#include "TuningCalculation.h"

namespace tornivex::calc {

enum ExitStatus { kSuccess = 0, kCalculationError = 1, kUsageError = 2 };

struct CaseFailure {
    std::string step;     // a StepName() or EnterStepName()
    std::string message;  // UTF-8, as the window shows it (a refusal: what the field refused)
};

struct CaseValue {
    Extended value;
    std::u16string text;  // as the result lines show it
};

struct CaseResult {
    std::array<std::optional<std::u16string>, 4> inputs;  // in argument order; unset: not entered
    std::array<std::optional<std::u16string>, 5> lines;   // result lines 1 to 5 that were set
    std::array<std::optional<CaseValue>, kTuningValueCount> values;
    std::vector<std::string> messages;  // the window's error display texts, in order
    // The calculation's failure, or else the first error shown while the values went in.
    std::optional<CaseFailure> failure;
    bool refused = false;  // a field refused its value; nothing was calculated

    ExitStatus Status() const;
};

// Names for scripts: "readStepAngle", "stepsPerRevolution", ..., "unitsPerDegree".
const char* StepName(TuningStep step);
const char* ValueName(TuningValue value);
// "enterStepAngle", "enterDivision", "enterR1", "enterR2": putting a value into its field.
const char* EnterStepName(FieldId id);
// "stepAngle", "division", "r1", "r2".
const char* InputName(FieldId id);

// Keeps one set of fields for any number of cases: each value empties its field first, so a
// case never sees what the one before it entered. What a field makes of a text depends on nothing
// else, so the runner remembers it: a batch repeats its step angles, divisions and ratios often.
class CaseRunner {
public:
    CaseRunner();
    CaseResult Run(const std::array<std::string_view, 4>& values);

private:
    // What entering a text into the emptied field left: accepted or refused, the displayed
    // text and the messages the window would have shown meanwhile.
    struct Entered {
        bool known = false;
        std::u16string text;  // what was entered
        bool accepted = false;
        std::u16string displayed;
        std::vector<std::string> messages;
    };
    const Entered& Enter(FieldId id, const std::u16string& text);

    // Per field, a slot for each hash of the text: no allocations once the slots are warm, so a
    // batch of distinct values pays little for it.
    static constexpr size_t kSlots = 256;
    CalcFields fields_;
    std::vector<std::string>* messagesShown_ = nullptr;
    std::array<std::array<Entered, kSlots>, 4> entered_;
    TFormatSettings enteredUnder_;  // the separators the remembered texts were entered under
};
}  // namespace tornivex::calc
