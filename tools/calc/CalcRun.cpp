#include "CalcRun.h"

#include <array>
#include <cctype>
#include <optional>

#include "CalcFields.h"
#include "ErrorDisplay.h"
#include "Errors.h"

namespace tornivex::calc {
namespace {

constexpr const char* kUsage =
    "Usage: tornivex-calc STEP_ANGLE DIVISION R1 R2\n"
    "\n"
    "Computes the micro-steps per degree of a rotary (4th) axis, exactly as the Tornivex window\n"
    "does, and prints its five result lines.\n"
    "\n"
    "  STEP_ANGLE  degrees per full motor step (the window shows it with three decimals at most)\n"
    "  DIVISION    micro-step division of the drive, a whole number\n"
    "  R1 R2       gear ratio R1 : R2 between motor and axis (eight decimals at most)\n"
    "\n"
    "Each value goes into its field the way pasting into the emptied field does, and the field\n"
    "is then left, so it is rounded and shown as the window would. Numbers follow your regional\n"
    "settings (decimal and thousand separators), as in the window.\n"
    "\n"
    "Exit status: 0 when all five lines were computed; 1 when the calculation failed (the lines\n"
    "the window would have updated are printed, then the window's error message on stderr) or\n"
    "when the window would have shown an error while the values were entered; 2 when a field\n"
    "refuses its value or the arguments are wrong.\n"
    "\n"
    "Options: --help shows this text, --version the version.\n"
    "\n"
    "Example: tornivex-calc 1.8 10 40 1\n";

// The result lines in window order; unset ones were not updated.
class CollectedLines : public TuningResultLines {
public:
    void SetCaption(ResultLine line, const std::u16string& caption) override {
        lines_[static_cast<size_t>(line)] = caption;
    }
    void Print(std::ostream& out) const {
        for (const auto& line : lines_)
            if (line) out << ToUtf8(*line) << '\n';
    }

private:
    std::array<std::optional<std::u16string>, 5> lines_;
};

// An option is "-" or "--" followed by a letter; "-3" and "-.5" are values (which the fields
// refuse with their own message).
bool IsOptionWord(const std::string& word) {
    const std::size_t at = word.rfind("--", 0) == 0 ? 2 : word.rfind('-', 0) == 0 ? 1 : 0;
    return at > 0 && word.size() > at && std::isalpha(static_cast<unsigned char>(word[at]));
}

}  // namespace

int RunCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kSuccess;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "tornivex-calc " << TORNIVEX_VERSION << "\n";
        return kSuccess;
    }
    for (const std::string& word : args)
        if (IsOptionWord(word)) {
            err << "tornivex-calc: unknown option \"" << word << "\" (tornivex-calc --help shows the usage)\n";
            return kUsageError;
        }
    if (args.size() != 4) {
        err << "tornivex-calc: expected 4 values, got " << args.size() << "\n\n" << kUsage;
        return kUsageError;
    }
    bool errorShown = false;
    const auto show = [&](const std::exception& error) {
        err << platform::ErrorDisplayText(error).toStdString() << '\n';
        errorShown = true;
    };
    CalcFields fields(show);
    constexpr std::array<FieldId, 4> kOrder = {FieldId::degED1, FieldId::edMicro, FieldId::edR1,
                                               FieldId::edR2};
    for (size_t i = 0; i < kOrder.size(); ++i) {
        if (!fields.PutArgument(kOrder[i], FromUtf8(args[i]))) {
            const FieldDescription& field = DescribeField(kOrder[i]);
            err << "tornivex-calc: the " << field.meaning << " field (" << field.name
                << ") refuses \"" << args[i] << "\"\n";
            return kUsageError;
        }
    }
    CollectedLines lines;
    try {
        RunTuningCalculation(fields, lines);
    } catch (const std::exception& error) {
        lines.Print(out);
        show(error);
        return kCalculationError;
    }
    lines.Print(out);
    return errorShown ? kCalculationError : kSuccess;
}

}  // namespace tornivex::calc
