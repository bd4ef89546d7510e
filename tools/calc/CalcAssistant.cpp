#include "CalcAssistant.h"

#include "AssistantFieldDesigns.h"
#include "CalcFields.h"
#include "ErrorDisplay.h"
#include "Errors.h"
#include "JsonText.h"
#include "NumberText.h"
#include "StoredValues.h"

namespace tornivex::calc {
namespace {

struct NumberOption {
    const char* word;
    std::optional<std::string> AssistantOptions::*text;
    const TFieldDesign* design;  // the window's field for it
};

constexpr NumberOption kNumberOptions[] = {
    {"--rate", &AssistantOptions::rate, &edRateDesign},
    {"--speed", &AssistantOptions::speed, &edSpeedDesign},
    {"--radius", &AssistantOptions::radius, &edRadiusDesign},
    {"--commanded", &AssistantOptions::commanded, &edCommandedDesign},
    {"--measured", &AssistantOptions::measured, &edMeasuredDesign},
};

// The option's value as the window's field holds it once typed and left: none when not given.
std::optional<Extended> Read(const AssistantOptions& options, const NumberOption& option, std::string& error) {
    const std::optional<std::string>& text = options.*(option.text);
    if (!text || !error.empty()) return std::nullopt;
    DesignedField field(*option.design);
    field.value.SetAllowNumericNullValue(true);
    std::string shown;
    const bool accepted = field.Put(FromUtf8(*text), [&shown](const std::function<void()>& step) {
        try {
            step();
        } catch (const std::exception& fault) {
            if (shown.empty()) shown = platform::ErrorDisplayText(fault).toStdString();
        }
    });
    if (!accepted || !shown.empty()) {
        error = std::string(option.word) + ": " + (accepted ? shown : "the field refuses \"" + *text + "\"");
        return std::nullopt;
    }
    const std::u16string value = field.value.ReadText();
    if (value.empty()) return std::nullopt;
    try {
        return ParseNumber(value);
    } catch (const EConvertError& refused) {
        error = std::string(option.word) + ": " + refused.what();
        return std::nullopt;
    }
}

// The sections in the order the window shows them, with whether the options ask for each.
std::vector<const FigureSection*> ShownSections(const AssistantReport& report, const AssistantOptions& options) {
    std::vector<const FigureSection*> shown{&report.figures.resolution};
    if (options.rate || options.speed) shown.push_back(&report.figures.speed);
    if (options.measured) shown.push_back(&report.figures.calibration);
    return shown;
}

void AppendKey(std::string& out, const char* key) {
    AppendJsonString(out, key);
    out += ':';
}

void AppendTexts(std::string& out, const char* key, const std::vector<std::u16string>& texts) {
    AppendKey(out, key);
    out += '[';
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) out += ',';
        AppendJsonString(out, std::u16string_view(texts[i]));
    }
    out += ']';
}

void AppendValues(std::string& out, const std::vector<FigureValue>& values) {
    AppendKey(out, "values");
    out += '{';
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ',';
        const std::string text = ToUtf8(PointNumberText(values[i].value));
        AppendKey(out, values[i].name);
        out += "{\"text\":";
        AppendJsonString(out, text);
        out += ",\"number\":";
        out += IsJsonNumber(text) && FitsDouble(text) ? text : std::string("null");
        out += '}';
    }
    out += '}';
}

void AppendMessage(std::string& out, const std::u16string& message, bool prompt) {
    AppendKey(out, "message");
    if (message.empty() || prompt) out += "null";
    else AppendJsonString(out, std::u16string_view(message));
}

void AppendSection(std::string& out, const char* key, const FigureSection& section) {
    AppendKey(out, key);
    out += '{';
    AppendTexts(out, "lines", section.lines);
    out += ',';
    AppendValues(out, section.values);
    out += ',';
    AppendMessage(out, section.message, section.messageIsPrompt);
    out += '}';
}

// As the window's memo shows them: notes and hand-rounded units indented by two blanks.
void PrintLines(std::ostream& out, const std::u16string& title, const std::vector<std::u16string>& lines,
                const char* indent = "") {
    out << '\n' << ToUtf8(title) << '\n';
    for (const std::u16string& line : lines) out << indent << ToUtf8(line) << '\n';
}

}  // namespace

bool ReadAssistantOption(const std::vector<std::string>& args, size_t& i, AssistantOptions& options,
                         std::string& error) {
    const std::string& word = args[i];
    const size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const NumberOption* number = nullptr;
    for (const NumberOption& option : kNumberOptions)
        if (name == option.word) number = &option;
    if (!number && name != "--controller") return false;
    std::string value;
    if (equals != std::string::npos) {
        value = word.substr(equals + 1);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    } else {
        error = name + " needs a value";
        return true;
    }
    options.requested = true;
    if (number) {
        options.*(number->text) = value;
        return true;
    }
    if (value == "all") {
        options.controllers.assign(kControllers.begin(), kControllers.end());
    } else if (const std::optional<Controller> controller = ControllerNamed(value)) {
        options.controllers.push_back(*controller);
    } else {
        error = "--controller: \"" + value + "\" is none of linuxcnc, grblhal, marlin, motor-tuning, all";
    }
    return true;
}

std::optional<AxisSetup> SetupFrom(const AssistantOptions& options, const CaseResult& result, std::string& error) {
    const auto& units = result.values[static_cast<size_t>(TuningValue::UnitsPerDegree)];
    const auto& ratio = result.values[static_cast<size_t>(TuningValue::Ratio)];
    if (!units || !ratio) return std::nullopt;
    AxisSetup setup;
    setup.units = units->value;
    setup.ratio = ratio->value;
    setup.pulseRate = Read(options, kNumberOptions[0], error);
    setup.wantedSpeed = Read(options, kNumberOptions[1], error);
    setup.radius = Read(options, kNumberOptions[2], error);
    if (const auto commanded = Read(options, kNumberOptions[3], error)) setup.commanded = *commanded;
    setup.measured = Read(options, kNumberOptions[4], error);
    if (!error.empty()) return std::nullopt;
    return setup;
}

void PrintAssistant(const AssistantReport& report, const AssistantOptions& options, std::ostream& out) {
    for (const FigureSection* section : ShownSections(report, options)) PrintLines(out, section->title, section->lines);
    for (const ControllerBlock& block : report.controllers) {
        PrintLines(out, block.title, block.lines);
        for (const std::u16string& line : block.notes) out << "  " << ToUtf8(line) << '\n';
    }
    if (!report.controllers.empty()) PrintLines(out, report.rounded.title, report.rounded.lines, "  ");
}

std::vector<std::string> AssistantProblems(const AssistantReport& report, const AssistantOptions& options) {
    std::vector<std::string> problems;
    const auto note = [&problems](const std::u16string& message, bool prompt) {
        if (!message.empty() && !prompt) problems.push_back(ToUtf8(message));
    };
    for (const FigureSection* section : ShownSections(report, options))
        note(section->message, section->messageIsPrompt);
    for (const ControllerBlock& block : report.controllers) note(block.message, false);
    if (!report.controllers.empty()) note(report.rounded.message, false);
    return problems;
}

std::string AssistantJson(const AssistantReport& report, const AssistantOptions& options) {
    std::string out = "{";
    AppendSection(out, "resolution", report.figures.resolution);
    if (options.rate || options.speed) {
        out += ',';
        AppendSection(out, "speed", report.figures.speed);
        out.pop_back();
        out += ",\"exceedsRate\":";
        out += report.figures.exceedsRate ? (*report.figures.exceedsRate ? "true" : "false") : "null";
        out += '}';
    }
    if (options.measured) {
        out += ',';
        AppendSection(out, "calibration", report.figures.calibration);
        out.pop_back();
        out += ",\"nearRatio\":";
        if (const auto& near = report.figures.nearRatio)
            AppendJsonString(out, std::to_string(near->motorTurns) + ":" + std::to_string(near->axisTurns));
        else out += "null";
        out += '}';
    }
    out += ",\"controllers\":[";
    for (size_t i = 0; i < report.controllers.size(); ++i) {
        const ControllerBlock& block = report.controllers[i];
        if (i > 0) out += ',';
        out += '{';
        AppendKey(out, "name");
        AppendJsonString(out, ControllerName(block.controller));
        out += ',';
        AppendKey(out, "title");
        AppendJsonString(out, std::u16string_view(block.title));
        out += ',';
        AppendTexts(out, "lines", block.lines);
        out += ',';
        AppendTexts(out, "notes", block.notes);
        out += ',';
        AppendValues(out, block.values);
        out += ',';
        AppendMessage(out, block.message, false);
        out += '}';
    }
    out += ']';
    if (!report.controllers.empty()) {
        out += ',';
        AppendSection(out, "rounded", report.rounded);
    }
    out += '}';
    return out;
}

}  // namespace tornivex::calc
