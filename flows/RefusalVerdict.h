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

}  // namespace flows
