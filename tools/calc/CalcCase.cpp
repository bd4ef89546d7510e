#include "CalcCase.h"

#include "ErrorDisplay.h"
#include "Errors.h"

namespace tornivex::calc {
namespace {

constexpr std::array<FieldId, 4> kArgumentOrder = {FieldId::degED1, FieldId::edMicro, FieldId::edR1,
                                                   FieldId::edR2};

// The result lines, values and the step under way, gathered into a case.
class CaseLines : public TuningResultLines {
public:
    explicit CaseLines(CaseResult& result) : result_(result) {}
    void SetCaption(ResultLine line, const std::u16string& caption) override {
        result_.lines[static_cast<size_t>(line)] = caption;
    }
    void BeginStep(TuningStep step) override { step_ = step; }
    void SetValue(TuningValue value, Extended x, const std::u16string& text) override {
        result_.values[static_cast<size_t>(value)] = CaseValue{x, text};
    }
    TuningStep Step() const { return step_; }

private:
    CaseResult& result_;
    TuningStep step_ = TuningStep::ReadStepAngle;
};

}  // namespace

ExitStatus CaseResult::Status() const {
    if (refused) return kUsageError;
    return failure ? kCalculationError : kSuccess;
}

const char* StepName(TuningStep step) {
    switch (step) {
        case TuningStep::ReadStepAngle: return "readStepAngle";
        case TuningStep::StepsPerRevolution: return "stepsPerRevolution";
        case TuningStep::ReadDivision: return "readDivision";
        case TuningStep::MicroStepsPerRevolution: return "microStepsPerRevolution";
        case TuningStep::ReadR1: return "readR1";
        case TuningStep::ReadR2: return "readR2";
        case TuningStep::Ratio: return "ratio";
        case TuningStep::StepsPerAxisRevolution: return "stepsPerAxisRevolution";
        case TuningStep::UnitsPerDegree: return "unitsPerDegree";
    }
    return "";
}

const char* ValueName(TuningValue value) {
    switch (value) {
        case TuningValue::StepsPerRevolution: return "stepsPerRevolution";
        case TuningValue::MicroStepsPerRevolution: return "microStepsPerRevolution";
        case TuningValue::Ratio: return "ratio";
        case TuningValue::StepsPerAxisRevolution: return "stepsPerAxisRevolution";
        case TuningValue::UnitsPerDegree: return "unitsPerDegree";
    }
    return "";
}

const char* EnterStepName(FieldId id) {
    constexpr std::array<const char*, 4> kNames = {"enterStepAngle", "enterDivision", "enterR1",
                                                   "enterR2"};
    return kNames[static_cast<size_t>(id)];
}

const char* InputName(FieldId id) {
    constexpr std::array<const char*, 4> kNames = {"stepAngle", "division", "r1", "r2"};
    return kNames[static_cast<size_t>(id)];
}

CaseRunner::CaseRunner()
    : fields_([this](const std::exception& error) {
          // An error the window would show while a value goes in: the run carries on, as the
          // window does once the box is closed.
          messagesShown_->push_back(platform::ErrorDisplayText(error).toStdString());
      }) {}

const CaseRunner::Entered& CaseRunner::Enter(FieldId id, const std::u16string& text) {
    const TFormatSettings& now = FormatSettings();
    if (now.DecimalSeparator != enteredUnder_.DecimalSeparator ||
        now.ThousandSeparator != enteredUnder_.ThousandSeparator) {
        for (auto& fieldSlots : entered_)
            for (Entered& slot : fieldSlots) slot.known = false;
        enteredUnder_ = now;
    }
    Entered& slot = entered_[static_cast<size_t>(id)][std::hash<std::u16string>{}(text) % kSlots];
    if (slot.known && slot.text == text) {
        fields_.RestoreDisplayedText(id, slot.displayed);
        return slot;
    }
    slot.known = false;
    slot.text = text;
    slot.messages.clear();
    messagesShown_ = &slot.messages;  // a slot of ours: it stays valid whatever happens next
    slot.accepted = fields_.PutArgument(id, text);
    messagesShown_ = nullptr;
    slot.displayed = fields_.DisplayedText(id);
    slot.known = true;
    return slot;
}

CaseResult CaseRunner::Run(const std::array<std::string_view, 4>& values) {
    CaseResult result;
    for (size_t i = 0; i < kArgumentOrder.size(); ++i) {
        const FieldId id = kArgumentOrder[i];
        const std::u16string text = FromUtf8(std::string(values[i]));
        const Entered& entered = Enter(id, text);
        for (const std::string& message : entered.messages) {
            result.messages.push_back(message);
            if (!result.failure) result.failure = CaseFailure{EnterStepName(id), message};
        }
        if (!entered.accepted) {
            const FieldDescription& field = DescribeField(id);
            result.failure = CaseFailure{EnterStepName(id),
                                         std::string("the ") + field.meaning + " field (" +
                                             field.name + ") refuses \"" + ToUtf8(text) + "\""};
            result.refused = true;
            return result;
        }
        result.inputs[i] = fields_.ValueText(id);
    }
    CaseLines lines(result);
    try {
        RunTuningCalculation(fields_, lines);
    } catch (const std::exception& error) {
        const std::string message = platform::ErrorDisplayText(error).toStdString();
        result.messages.push_back(message);
        result.failure = CaseFailure{StepName(lines.Step()), message};
    }
    return result;
}

}  // namespace tornivex::calc
