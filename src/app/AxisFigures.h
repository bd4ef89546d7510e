#pragma once
// What follows from the units of a set-up: resolution, speed limit and the calibration from a
// measured move, as lines of text a window or a terminal shows the same, and the values behind
// them. No window needed.
#include <optional>
#include <string>
#include <vector>

#include "Extended.h"
#include "SimpleRatio.h"

namespace tornivex {

struct AxisSetup {
    Extended units = 0;                   // micro-steps per degree of axis rotation
    std::optional<Extended> ratio;        // motor turns per axis turn
    std::optional<Extended> pulseRate;    // the controller's maximum step-pulse rate, Hz
    std::optional<Extended> wantedSpeed;  // degrees per minute
    std::optional<Extended> radius;       // mm, for the arc per micro-step
    Extended commanded = 360;             // degrees of a commanded move
    std::optional<Extended> measured;     // degrees the axis really turned
};

// One figure: its name for scripts, its value and the text the lines show.
struct FigureValue {
    const char* name;
    Extended value;
    std::u16string text;
};

struct FigureSection {
    std::u16string title;
    std::vector<std::u16string> lines;
    std::vector<FigureValue> values;
    // What stops further figures (an input missing or refused), with its full stop; empty if none.
    std::u16string message;
    // The message only asks for an input not given yet: nothing is wrong.
    bool messageIsPrompt = false;
};

struct AxisFigures {
    FigureSection resolution;
    FigureSection speed;
    FigureSection calibration;
    std::optional<bool> exceedsRate;       // the wanted speed needs more than the pulse rate
    std::optional<SimpleRatio> nearRatio;  // the simple ratio the measured one is close to
};

// The units must be above zero; every other figure needs its own inputs. Bad or missing inputs
// and arithmetic faults become the section's message; nothing raises.
AxisFigures ComputeAxisFigures(const AxisSetup& setup);

// The message for units that are not above zero, or empty when they are.
std::u16string UnitsProblem(Extended units);

// The figure of that name in the section, if it was computed.
const FigureValue* FindFigure(const FigureSection& section, const char* name);

// A message as the program shows it: a full stop appended unless it ends in one already.
std::u16string WithFullStop(std::u16string message);

}  // namespace tornivex
