#include "ControllerLines.h"

#include <exception>

#include "ExtendedArithmetic.h"
#include "NumberText.h"
#include "StoredValues.h"

namespace tornivex {
namespace {

struct ControllerWords {
    Controller controller;
    const char* name;
    const char16_t* title;
    StoredFormat format;
    const char16_t* header;         // a line before the others, or empty
    const char16_t* unitsKey;       // what precedes the units
    const char16_t* speedKey;       // what precedes the speed limit
    bool perMinute;                 // the speed limit in degrees per minute, else per second
};

constexpr std::array<ControllerWords, 4> kWords = {{
    {Controller::LinuxCnc, "linuxcnc", u"LinuxCNC, INI file (joint 3 as axis A)", StoredFormat::Float64,
     u"[JOINT_3]", u"SCALE = ", u"MAX_VELOCITY = ", false},
    {Controller::GrblHal, "grblhal", u"grblHAL settings (axis A)", StoredFormat::Float32, u"", u"$103=",
     u"$113=", true},
    {Controller::Marlin, "marlin", u"Marlin 2.1 (axis A)", StoredFormat::Float32, u"", u"M92 A", u"M203 A",
     false},
    {Controller::MotorTuning, "motor-tuning", u"Motor tuning page", StoredFormat::Float64, u"",
     u"Steps per: ", u"Velocity: ", true},
}};

const ControllerWords& WordsOf(Controller controller) { return kWords[static_cast<size_t>(controller)]; }

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// Records the drift of `used` against the true units under the two names and says it in words.
std::u16string Drift(Extended used, Extended units, const char* degreesName, const char* secondsName,
                     std::vector<FigureValue>& values) {
    const Extended degrees = DriftPerTurn(used, units);
    const Extended seconds = Multiply(degrees, Extended(3600));
    const std::u16string degreesText = NumberText(degrees);
    const std::u16string secondsText = NumberText(seconds);
    values.push_back({degreesName, degrees, degreesText});
    values.push_back({secondsName, seconds, secondsText});
    return u"the axis drifts " + degreesText + u"\u00B0 (" + secondsText + u" arc-seconds) per turn";
}

}  // namespace

const char* ControllerName(Controller controller) { return WordsOf(controller).name; }

std::optional<Controller> ControllerNamed(std::string_view name) {
    for (const ControllerWords& words : kWords)
        if (name == words.name) return words.controller;
    return std::nullopt;
}

ControllerBlock ControllerLines(Controller controller, Extended units, const std::optional<TopSpeed>& speed) {
    const ControllerWords& words = WordsOf(controller);
    ControllerBlock block{controller, words.title, {}, {}, {}, {}};
    const bool isFloat = words.format == StoredFormat::Float32;
    const std::optional<Extended> stored = NearestStored(units, words.format);
    if (!stored) {
        block.message = isFloat ? u"The units lie beyond what a 32-bit float holds."
                                : u"The units lie beyond what a double holds.";
        return block;
    }
    try {
        if (*words.header) block.lines.emplace_back(words.header);
        block.lines.push_back(words.unitsKey + Ascii(ShortestStoredText(*stored, words.format)));
        if (speed)
            block.lines.push_back(words.speedKey + PointNumberText(words.perMinute ? speed->perMinute : speed->perSecond));
        const std::u16string storedText = NumberText(*stored);
        block.values.push_back({"storedUnits", *stored, storedText});
        const std::u16string drift =
            Drift(*stored, units, "driftDegreesPerTurn", "driftArcSecondsPerTurn", block.values);
        block.notes.push_back((isFloat ? u"Stored as the 32-bit float " : u"Kept as the double ") + storedText +
                              u": " + drift);
    } catch (const std::exception& error) {
        block.lines.clear();
        block.notes.clear();
        block.message = WithFullStop(Ascii(error.what()));
    }
    return block;
}

FigureSection HandRounding(Extended units) {
    static constexpr std::array<int, 3> kDecimals = {3, 4, 6};
    static constexpr std::array<std::array<const char*, 3>, 3> kNames = {{
        {"rounded3Units", "rounded3DriftDegreesPerTurn", "rounded3DriftArcSecondsPerTurn"},
        {"rounded4Units", "rounded4DriftDegreesPerTurn", "rounded4DriftArcSecondsPerTurn"},
        {"rounded6Units", "rounded6DriftDegreesPerTurn", "rounded6DriftArcSecondsPerTurn"},
    }};
    FigureSection section;
    section.title = u"Rounded by hand";
    try {
        for (size_t i = 0; i < kDecimals.size(); ++i) {
            const RoundedValue rounded = RoundedUnits(units, kDecimals[i]);
            section.values.push_back({kNames[i][0], rounded.value, rounded.text});
            const std::u16string drift = Drift(rounded.value, units, kNames[i][1], kNames[i][2], section.values);
            section.lines.push_back(rounded.text + u" (" + Ascii(std::to_string(kDecimals[i])) + u" decimals): " + drift);
        }
    } catch (const std::exception& error) {
        section.message = WithFullStop(Ascii(error.what()));
    }
    return section;
}

std::optional<TopSpeed> TopSpeedOf(const FigureSection& speed) {
    const FigureValue* perSecond = FindFigure(speed, "degreesPerSecond");
    const FigureValue* perMinute = FindFigure(speed, "degreesPerMinute");
    if (!perSecond || !perMinute) return std::nullopt;
    return TopSpeed{perSecond->value, perMinute->value};
}

}  // namespace tornivex
