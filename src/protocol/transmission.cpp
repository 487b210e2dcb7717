#include "protocol/transmission.h"

#include "protocol/numbers.h"
#include "protocol/utf8.h"

#include <cmath>
#include <limits>

namespace protocol {

namespace {

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::int32_t> transmitDelay(std::string_view delayText)
{
    const double delay = roundHalfEven(lenientNumber(delayText));
    if (!std::isfinite(delay) || delay < std::numeric_limits<std::int32_t>::min()
        || delay > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    // A negative pause would have the board wait forever; it means no pause at all.
    return delay < 0 ? 0 : static_cast<std::int32_t>(delay);
}

std::string waitCharacter(std::string_view waitText)
{
    const std::string_view wait = trimBlanks(waitText);
    return utf8Characters(wait).size() == 1 ? std::string(wait) : std::string();
}

TransmitPlan planTransmission(std::string_view terminalText, std::string_view waitText,
                              std::string_view delayText)
{
    TransmitPlan plan;
    const std::size_t count = utf8Characters(trimBlanks(terminalText)).size();
    if (count == 0) {
        plan.refusal = TransmitRefusal::NothingToSend;
        return plan;
    }
    const auto delay = transmitDelay(delayText);
    if (!delay) {
        plan.refusal = TransmitRefusal::DelayOutOfRange;
        return plan;
    }
    const std::string wait = waitCharacter(waitText);
    const bool waits = !wait.empty() && *delay > 0;

    const auto characters = utf8Characters(terminalText);
    for (std::size_t i = 0; i < count; ++i) {
        const bool pause = waits && characters[i] == wait;
        if (pause || plan.steps.empty())
            plan.steps.push_back({pause ? *delay : 0, {}});
        plan.steps.back().bytes += characters[i];
    }
    return plan;
}

} // namespace protocol
