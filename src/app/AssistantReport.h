#pragma once
// Everything the tuning assistant shows for one set-up, in the order it shows it: the figures,
// the chosen controllers' lines, the drift of hand-rounded units. The window and the command
// line both show this, so they agree character for character.
#include <vector>

#include "AxisFigures.h"
#include "ControllerLines.h"

namespace tornivex {

struct AssistantReport {
    AxisFigures figures;
    std::vector<ControllerBlock> controllers;
    FigureSection rounded;  // empty unless some controller was chosen
};

AssistantReport BuildAssistantReport(const AxisSetup& setup, const std::vector<Controller>& controllers);

}  // namespace tornivex
