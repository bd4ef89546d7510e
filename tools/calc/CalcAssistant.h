#pragma once
// The tuning assistant's figures after a calculation: the options that ask for them, and their
// output as text (the window's lines, character for character) and as JSON.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "AssistantReport.h"
#include "CalcCase.h"

namespace tornivex::calc {

struct AssistantOptions {
    bool requested = false;  // any of the options was given
    std::optional<std::string> rate, speed, radius, commanded, measured;
    std::vector<Controller> controllers;
};

// When args[i] is an assistant option, reads it and its value (the next word, or after "="),
// advancing i past them. Returns whether it was one; `error` is set when it was one badly given.
bool ReadAssistantOption(const std::vector<std::string>& args, size_t& i, AssistantOptions& options,
                         std::string& error);

// The option texts read as numbers with the user's regional settings, around the calculation's
// units and gear ratio; nullopt and `error` set for a text that is no number.
std::optional<AxisSetup> SetupFrom(const AssistantOptions& options, const CaseResult& result, std::string& error);

// Prints the sections the options ask for: a blank line, the title, the lines (and notes).
void PrintAssistant(const AssistantReport& report, const AssistantOptions& options, std::ostream& out);
// The messages of refused inputs and faults in those sections (a missing input is none).
std::vector<std::string> AssistantProblems(const AssistantReport& report, const AssistantOptions& options);

// "assistant": the same sections as a JSON object, with the refused inputs' messages.
std::string AssistantJson(const AssistantReport& report, const AssistantOptions& options);

}  // namespace tornivex::calc
