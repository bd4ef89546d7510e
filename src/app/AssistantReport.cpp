#include "AssistantReport.h"

namespace tornivex {

AssistantReport BuildAssistantReport(const AxisSetup& setup, const std::vector<Controller>& controllers) {
    AssistantReport report;
    report.figures = ComputeAxisFigures(setup);
    // Units that are not above zero have no lines: the figures already say why.
    if (controllers.empty() || !UnitsProblem(setup.units).empty()) return report;
    const std::optional<TopSpeed> speed = TopSpeedOf(report.figures.speed);
    for (const Controller controller : controllers)
        report.controllers.push_back(ControllerLines(controller, setup.units, speed));
    report.rounded = HandRounding(setup.units);
    return report;
}

}  // namespace tornivex
