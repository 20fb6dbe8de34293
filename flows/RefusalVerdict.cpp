#include "flows/RefusalVerdict.h"

namespace flows {

RefusalVerdict JudgeRefusal(const std::optional<std::string>& refusal, const FlowStep* expectRefused)
{
    const std::string refusedDetail = refusal ? "refused: " + *refusal : std::string();
    if (expectRefused == nullptr)
        return {{!refusal, refusedDetail}, std::nullopt};
    if (!refusal)
        return {{true, {}}, LineVerdict{false, "the action was taken, not refused"}};
    if (expectRefused->text && refusal->find(*expectRefused->text) == std::string::npos)
        return {{true, refusedDetail}, LineVerdict{false, "refused for another reason: " + *refusal}};
    return {{true, refusedDetail}, LineVerdict{true, {}}};
}

std::string ClosingLine(int held, std::optional<int> failedLine, std::size_t notRun)
{
    if (!failedLine)
        return "PASSED: " + std::to_string(held) + " lines held\n";
    return "FAILED at line " + std::to_string(*failedLine) + " (" + std::to_string(held) +
           " lines held before it, " + std::to_string(notRun) + " not run)\n";
}

}  // namespace flows
