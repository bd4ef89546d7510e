#include "CalcRun.h"

#include <cctype>
#include <sstream>
#include <variant>

#include "CalcAssistant.h"
#include "CalcBatch.h"
#include "CalcJson.h"
#include "Errors.h"

namespace tornivex::calc {
namespace {

constexpr const char* kUsage =
    "Usage: tornivex-calc [--json] [TUNING OPTIONS] STEP_ANGLE DIVISION R1 R2\n"
    "       tornivex-calc --batch [--json] < FILE\n"
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
    "Options:\n"
    "  --json     print one JSON object instead of the lines, on one line:\n"
    "               \"inputs\"   the four values as the fields read them (texts), or null;\n"
    "               \"lines\"    the result lines exactly as printed without --json;\n"
    "               \"values\"   stepsPerRevolution, microStepsPerRevolution, ratio,\n"
    "                          stepsPerAxisRevolution, unitsPerDegree: each as\n"
    "                          {\"text\": the lines' 15-digit text with a decimal point,\n"
    "                          \"number\": the same as a JSON number, null beyond the range of a\n"
    "                          double}, or null if not computed;\n"
    "               \"error\"    null, or {\"step\", \"message\"}: the step that failed\n"
    "                          (enterStepAngle, enterDivision, enterR1, enterR2, readStepAngle,\n"
    "                          stepsPerRevolution, readDivision, microStepsPerRevolution,\n"
    "                          readR1, readR2, ratio, stepsPerAxisRevolution, unitsPerDegree;\n"
    "                          readLine in batch mode) and its message;\n"
    "               \"messages\" every message the window would have shown.\n"
    "             Messages still go to stderr; the exit status is the same as without --json.\n"
    "  --batch    read lines of four values from standard input, separated by commas\n"
    "             (\"1.8,10,40,1\", blanks around the commas allowed) or by blanks\n"
    "             (\"1,8 10 40 1\": the way to write values that hold a comma, such as a\n"
    "             decimal comma or grouped thousands). For each input line print one line:\n"
    "             the units per degree as result line 5 shows it (with --json: the object\n"
    "             above, with \"line\": the line number first), or an empty line when there\n"
    "             is none. A bad line (an empty one too) puts \"line N: message\" on stderr\n"
    "             and the run goes on.\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Tuning options (the tuning assistant's figures, after the five lines, exactly as its window\n"
    "shows them; each option also takes its value after \"=\"):\n"
    "  --rate HZ          the controller's maximum step-pulse rate: the top speed in degrees per\n"
    "                     second and minute, axis and motor rpm\n"
    "  --speed DEG_PER_MIN  a wanted speed: the pulse rate it needs (and, with --rate, whether\n"
    "                     that is more than the maximum)\n"
    "  --radius MM        the arc one micro-step makes at that radius, in mm and inches\n"
    "  --measured DEG     what the axis really turned for a commanded move: the corrected units,\n"
    "                     the gear ratio they imply and the simple ratio (denominator up to 100)\n"
    "                     within 0.05 % of it\n"
    "  --commanded DEG    the commanded move (default 360)\n"
    "  --controller NAME  the lines to enter into a controller: linuxcnc, grblhal, marlin,\n"
    "                     motor-tuning, or all; repeatable. Units at full precision where the\n"
    "                     controller keeps a double; where it keeps a 32-bit float, the value it\n"
    "                     stores and the axis's drift per turn; then the drift of the units\n"
    "                     rounded to 3, 4 and 6 decimals\n"
    "  Any of them also shows the resolution (degrees and arc-seconds per micro-step). With\n"
    "  --json the object gets \"assistant\": {\"resolution\", \"speed\" (with \"exceedsRate\"),\n"
    "  \"calibration\" (with \"nearRatio\"), \"rounded\": each {\"lines\", \"values\": {name:\n"
    "  {\"text\", \"number\"}}, \"message\"}; \"controllers\": [{\"name\", \"title\", \"lines\",\n"
    "  \"notes\", \"values\", \"message\"}]}, or null when the calculation failed. A refused\n"
    "  figure (a zero measured move, say) is its message on stderr and exit status 1.\n"
    "\n"
    "Exit status: 0 when all five lines were computed; 1 when the calculation failed (the lines\n"
    "the window would have updated are printed, then the window's error message on stderr) or\n"
    "when the window would have shown an error while the values were entered; 2 when a field\n"
    "refuses its value or the arguments are wrong. With --batch: 0 when every line succeeded,\n"
    "1 when any line failed, 2 when the arguments are wrong.\n"
    "\n"
    "Examples: tornivex-calc 1.8 10 40 1\n"
    "          tornivex-calc --json 1.8 10 40 3\n"
    "          printf '1.8,10,40,1\\n0.9 8 36 1\\n' | tornivex-calc --batch\n"
    "          tornivex-calc --rate 25000 --measured 359.98 --controller grblhal 1.8 10 40 1\n";

// An option is "-" or "--" followed by a letter; "-3" and "-.5" are values (which the fields
// refuse with their own message).
bool IsOptionWord(const std::string& word) {
    const std::size_t at = word.rfind("--", 0) == 0 ? 2 : word.rfind('-', 0) == 0 ? 1 : 0;
    return at > 0 && word.size() > at && std::isalpha(static_cast<unsigned char>(word[at]));
}

struct CommandLine {
    bool json = false;
    bool batch = false;
    std::vector<std::string> values;
    AssistantOptions assistant;
};

// The command line's options and values, or the exit status when it is already decided.
std::variant<CommandLine, int> ReadCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                               std::ostream& err) {
    CommandLine line;
    for (const std::string& word : args) {
        if (word == "--help" || word == "-h") {
            out << kUsage;
            return kSuccess;
        }
        if (word == "--version") {
            out << "tornivex-calc " << TORNIVEX_VERSION << "\n";
            return kSuccess;
        }
    }
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        std::string error;
        if (ReadAssistantOption(args, i, line.assistant, error)) {
            if (error.empty()) continue;
            err << "tornivex-calc: " << error << " (tornivex-calc --help shows the usage)\n";
            return kUsageError;
        }
        if (word == "--json") {
            line.json = true;
        } else if (word == "--batch") {
            line.batch = true;
        } else if (IsOptionWord(word)) {
            err << "tornivex-calc: unknown option \"" << word << "\" (tornivex-calc --help shows the usage)\n";
            return kUsageError;
        } else {
            line.values.push_back(word);
        }
    }
    if (line.batch && !line.values.empty()) {
        err << "tornivex-calc: --batch reads its values from standard input, not from the command line"
               " (got \"" << line.values.front() << "\")\n";
        return kUsageError;
    }
    if (line.batch && line.assistant.requested) {
        err << "tornivex-calc: --batch takes no tuning options\n";
        return kUsageError;
    }
    if (!line.batch && line.values.size() != 4) {
        err << "tornivex-calc: expected 4 values, got " << line.values.size() << "\n\n" << kUsage;
        return kUsageError;
    }
    return line;
}

int RunOnce(const CommandLine& line, std::ostream& out, std::ostream& err) {
    CaseRunner runner;
    const CaseResult result =
        runner.Run({line.values[0], line.values[1], line.values[2], line.values[3]});
    std::optional<AssistantReport> report;
    if (line.assistant.requested) {
        std::string error;
        const std::optional<AxisSetup> setup = SetupFrom(line.assistant, result, error);
        if (!error.empty()) {
            err << "tornivex-calc: " << error << '\n';
            return kUsageError;
        }
        if (setup) report = BuildAssistantReport(*setup, line.assistant.controllers);
    }
    std::vector<std::string> problems;
    if (line.json) {
        const std::string assistant =
            !line.assistant.requested ? std::string()
            : report                  ? "\"assistant\":" + AssistantJson(*report, line.assistant)
                                      : std::string("\"assistant\":null");
        out << CaseJson(result, 0, assistant) << '\n';
    } else {
        for (const auto& caption : result.lines)
            if (caption) out << ToUtf8(*caption) << '\n';
        if (report) PrintAssistant(*report, line.assistant, out);
    }
    if (report) problems = AssistantProblems(*report, line.assistant);
    for (const std::string& message : result.messages) err << message << '\n';
    if (result.refused) err << "tornivex-calc: " << result.failure->message << '\n';
    for (const std::string& problem : problems) err << "tornivex-calc: " << problem << '\n';
    const ExitStatus status = result.Status();
    return status == kSuccess && !problems.empty() ? kCalculationError : status;
}

}  // namespace

int RunCalculator(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    const auto read = ReadCommandLine(args, out, err);
    if (const int* status = std::get_if<int>(&read)) return *status;
    const CommandLine& line = std::get<CommandLine>(read);
    return line.batch ? RunBatch(in, out, err, line.json) : RunOnce(line, out, err);
}

int RunCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return RunCalculator(args, nothing, out, err);
}

}  // namespace tornivex::calc
