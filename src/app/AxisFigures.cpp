#include "AxisFigures.h"

#include <cstring>
#include <exception>

#include "ExtendedArithmetic.h"
#include "Float80.h"
#include "NumberText.h"

namespace tornivex {
namespace {

const Extended kFullCircle = 360;

Extended Pi() { return float80::Compose({false, 0x4000, 0xC90FDAA22168C235ull}); }

std::u16string Utf16(const char* ascii) { return std::u16string(ascii, ascii + std::strlen(ascii)); }

std::u16string RatioText(const SimpleRatio& ratio) {
    return Utf16(std::to_string(ratio.motorTurns).c_str()) + u":" +
           Utf16(std::to_string(ratio.axisTurns).c_str());
}

bool AboveZero(Extended x) { return IsFinite(x) && x > 0; }

// Collects a section's values and turns each into the one text all its lines use.
class SectionWriter {
public:
    explicit SectionWriter(FigureSection& section) : section_(section) {}

    std::u16string operator()(const char* name, Extended value) {
        std::u16string text = NumberText(value);
        section_.values.push_back({name, value, text});
        return text;
    }
    void Line(std::u16string line) { section_.lines.push_back(std::move(line)); }
    void Stop(const std::u16string& message) { section_.message = WithFullStop(message); }
    void Ask(const std::u16string& prompt) {
        Stop(prompt);
        section_.messageIsPrompt = true;
    }

private:
    FigureSection& section_;
};

// Runs a section's steps; an arithmetic fault ends them with its message, as in the main window.
template <class Steps>
void Guarded(FigureSection& section, Steps steps) {
    SectionWriter write(section);
    try {
        steps(write);
    } catch (const std::exception& error) {
        write.Stop(Utf16(error.what()));
    }
}

void Resolution(const AxisSetup& s, FigureSection& section) {
    Guarded(section, [&](SectionWriter& F) {
        const std::u16string degrees = F("degreesPerMicroStep", Divide(Extended(1), s.units));
        const std::u16string seconds = F("arcSecondsPerMicroStep", Divide(Extended(3600), s.units));
        F.Line(u"One micro-step turns the axis " + degrees + u"\u00B0 (" + seconds + u" arc-seconds)");
        if (!s.radius) return F.Ask(u"Type a radius to see the arc per micro-step there");
        if (!AboveZero(*s.radius)) return F.Stop(u"The radius must be above zero");
        const Extended perDegree = Divide(Pi(), Extended(180));
        const Extended mm = Divide(Multiply(*s.radius, perDegree), s.units);
        const Extended inches = Divide(mm, Divide(Extended(254), Extended(10)));
        const std::u16string radius = NumberText(*s.radius);
        const std::u16string mmText = F("arcMillimetresPerMicroStep", mm);
        F.Line(u"At a radius of " + radius + u" mm: " + mmText + u" mm (" + F("arcInchesPerMicroStep", inches) +
               u" in) per micro-step");
    });
}

void Speed(const AxisSetup& s, AxisFigures& figures) {
    FigureSection& section = figures.speed;
    Guarded(section, [&](SectionWriter& F) {
        const bool rateGiven = s.pulseRate.has_value();
        if (rateGiven && !AboveZero(*s.pulseRate)) return F.Stop(u"The step-pulse rate must be above zero");
        if (rateGiven) {
            const Extended perSecond = Divide(*s.pulseRate, s.units);
            const Extended perMinute = Multiply(perSecond, Extended(60));
            const Extended axisRpm = Divide(perMinute, kFullCircle);
            std::u16string line = u"At " + NumberText(*s.pulseRate) + u" Hz at most: " +
                                  F("degreesPerSecond", perSecond) + u" \u00B0/s, " +
                                  F("degreesPerMinute", perMinute) + u" \u00B0/min, " + F("axisRpm", axisRpm) +
                                  u" axis rpm";
            if (s.ratio && AboveZero(*s.ratio))
                line += u", " + F("motorRpm", Multiply(axisRpm, *s.ratio)) + u" motor rpm";
            F.Line(line);
        }
        if (s.wantedSpeed) {
            if (!AboveZero(*s.wantedSpeed)) return F.Stop(u"The wanted speed must be above zero");
            const Extended needed = Divide(Multiply(*s.wantedSpeed, s.units), Extended(60));
            std::u16string line = NumberText(*s.wantedSpeed) + u" \u00B0/min needs " +
                                  F("neededPulseRate", needed) + u" Hz";
            if (rateGiven) {
                figures.exceedsRate = needed > *s.pulseRate;
                line += *figures.exceedsRate ? u": more than the maximum" : u": within the maximum";
            }
            F.Line(line);
        }
        if (!rateGiven) F.Ask(u"Type the controller's maximum step-pulse rate to see the top speed");
    });
}

void Calibration(const AxisSetup& s, AxisFigures& figures) {
    FigureSection& section = figures.calibration;
    Guarded(section, [&](SectionWriter& F) {
        if (!IsFinite(s.commanded) || s.commanded == 0) return F.Stop(u"The commanded move must not be zero");
        if (!s.measured) return F.Ask(u"Command a move, measure it and type what the axis really turned");
        if (!IsFinite(*s.measured) || *s.measured == 0) return F.Stop(u"The measured move must not be zero");
        if ((*s.measured < 0) != (s.commanded < 0))
            return F.Stop(u"The measured move must go the same way as the commanded one");
        const Extended corrected = Divide(Multiply(s.units, s.commanded), *s.measured);
        F.Line(u"Commanded " + NumberText(s.commanded) + u"\u00B0, measured " + NumberText(*s.measured) +
               u"\u00B0: corrected units " + F("correctedUnits", corrected));
        if (!s.ratio || !AboveZero(*s.ratio)) return;
        const Extended implied = Divide(Multiply(*s.ratio, s.commanded), *s.measured);
        figures.nearRatio = NearestSimpleRatio(implied);
        F.Line(u"The gear ratio is " + F("impliedRatio", implied) + u":1" +
               (figures.nearRatio ? u", close to " + RatioText(*figures.nearRatio)
                                  : std::u16string(u", not within 0.05 % of a simple ratio")));
    });
}

}  // namespace

std::u16string WithFullStop(std::u16string message) {
    if (!message.empty() && message.back() > u'.') message += u'.';
    return message;
}

std::u16string UnitsProblem(Extended units) {
    return AboveZero(units) ? std::u16string() : WithFullStop(u"The units per degree must be above zero");
}

AxisFigures ComputeAxisFigures(const AxisSetup& setup) {
    AxisFigures figures;
    figures.resolution.title = u"Resolution";
    figures.speed.title = u"Speed";
    figures.calibration.title = u"Calibration";
    const std::u16string problem = UnitsProblem(setup.units);
    if (!problem.empty()) {
        for (FigureSection* section : {&figures.resolution, &figures.speed, &figures.calibration})
            section->message = problem;
        return figures;
    }
    Resolution(setup, figures.resolution);
    Speed(setup, figures);
    Calibration(setup, figures);
    return figures;
}

const FigureValue* FindFigure(const FigureSection& section, const char* name) {
    for (const FigureValue& value : section.values)
        if (std::strcmp(value.name, name) == 0) return &value;
    return nullptr;
}

}  // namespace tornivex
