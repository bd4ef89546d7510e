#pragma once
// Checks a skin the way a skin author needs it: every problem found, each named by section and
// key, instead of the single error that stops a load.
#include "SkinSource.h"

#include <QString>

#include <vector>

namespace tornivex {

struct SkinProblem {
    bool IsError = true;
    QString Where;   // "[SECTION] KEY", "[SECTION]", an entry name, or empty for the whole skin
    QString Message;
};

std::vector<SkinProblem> CheckSkin(const OpenedSkin& skin);

// One problem as a line of the check's report: "error: [SECTION] KEY: message".
QString ProblemLine(const SkinProblem& problem);

} // namespace tornivex
