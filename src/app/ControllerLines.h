#pragma once
// The lines each controller wants for the rotary axis (A), in its own words: the units as the
// controller will hold them and, once a pulse rate is known, the speed limit in its units. A
// controller that keeps a 32-bit float cannot hold most units exactly; its notes say what it
// stores and how far the axis drifts per turn for that. No window needed.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AxisFigures.h"
#include "Extended.h"

namespace tornivex {

enum class Controller { LinuxCnc, GrblHal, Marlin, MotorTuning };
inline constexpr std::array<Controller, 4> kControllers = {Controller::LinuxCnc, Controller::GrblHal,
                                                           Controller::Marlin, Controller::MotorTuning};

// "linuxcnc", "grblhal", "marlin", "motor-tuning": the names a script uses.
const char* ControllerName(Controller controller);
std::optional<Controller> ControllerNamed(std::string_view name);

struct TopSpeed {
    Extended perSecond;  // degrees per second
    Extended perMinute;  // degrees per minute
};

struct ControllerBlock {
    Controller controller;
    std::u16string title;
    std::vector<std::u16string> lines;  // to copy into the controller; always with "."
    std::vector<std::u16string> notes;  // what the controller will store, in the user's notation
    std::vector<FigureValue> values;
    std::u16string message;  // why there are no lines, with its full stop; empty if there are
};

// The units must be above zero (see UnitsProblem).
ControllerBlock ControllerLines(Controller controller, Extended units, const std::optional<TopSpeed>& speed);

// The drift per turn of the units rounded by hand to 3, 4 and 6 decimals.
FigureSection HandRounding(Extended units);

// The top speed the speed figures found, if they did.
std::optional<TopSpeed> TopSpeedOf(const FigureSection& speed);

}  // namespace tornivex
