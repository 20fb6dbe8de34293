#pragma once

#include "flows/FlowScript.h"

#include <optional>
#include <string>

namespace flows {

// How one transcript line came out.
struct LineVerdict {
    bool ok = true;
    std::string detail;
};

// An action the screen may refuse, and the `expect refused` line after it if there is
// one: without that line a refusal fails the action; with it the action must have
// been refused, for a reason that contains the line's text when it gives one.
struct RefusalVerdict {
    LineVerdict action;
    std::optional<LineVerdict> expectation;  // set when an `expect refused` line followed
};

RefusalVerdict JudgeRefusal(const std::optional<std::string>& refusal, const FlowStep* expectRefused);

// The last line of a transcript: "PASSED: 12 lines held", or where it failed, how many
// lines held before it and how many were not run.
std::string ClosingLine(int held, std::optional<int> failedLine, std::size_t notRun);

}  // namespace flows
