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
    void SetValue(TuningValue value, Extended x) override {
        result_.values[static_cast<size_t>(value)] = x;
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
          const std::string message = platform::ErrorDisplayText(error).toStdString();
          current_->messages.push_back(message);
          if (!current_->failure) current_->failure = CaseFailure{EnterStepName(entering_), message};
      }) {}

CaseResult CaseRunner::Run(const std::array<std::string_view, 4>& values) {
    CaseResult result;
    current_ = &result;
    for (size_t i = 0; i < kArgumentOrder.size(); ++i) {
        entering_ = kArgumentOrder[i];
        const std::u16string text = FromUtf8(std::string(values[i]));
        if (!fields_.PutArgument(entering_, text)) {
            const FieldDescription& field = DescribeField(entering_);
            result.failure = CaseFailure{EnterStepName(entering_),
                                         std::string("the ") + field.meaning + " field (" +
                                             field.name + ") refuses \"" + ToUtf8(text) + "\""};
            result.refused = true;
            current_ = nullptr;
            return result;
        }
        result.inputs[i] = fields_.ValueText(entering_);
    }
    CaseLines lines(result);
    try {
        RunTuningCalculation(fields_, lines);
    } catch (const std::exception& error) {
        const std::string message = platform::ErrorDisplayText(error).toStdString();
        result.messages.push_back(message);
        result.failure = CaseFailure{StepName(lines.Step()), message};
    }
    current_ = nullptr;
    return result;
}

}  // namespace tornivex::calc
