#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// One run of the terminal line as it goes out: wait `pauseMs`, then write `bytes`.
struct TransmitStep
{
    std::int32_t pauseMs = 0;
    std::string bytes;

    bool operator==(const TransmitStep &) const = default;
};

enum class TransmitRefusal {
    None,
    NothingToSend,   // the terminal line holds nothing but blanks
    DelayOutOfRange, // the transmit delay does not fit a signed 32-bit number
};

struct TransmitPlan
{
    TransmitRefusal refusal = TransmitRefusal::None;
    std::vector<TransmitStep> steps;
};

// How `send` puts the terminal line on the wire (all three texts UTF-8, as typed):
// - it sends as many characters as the line holds without its leading and trailing blanks,
//   counted from the line's first character, so a leading blank pushes one off the end;
// - it pauses before each character equal to the wait character, which counts only when the
//   wait text holds exactly one character once its blanks are trimmed;
// - the pause is the delay text's leading number rounded half to even; a negative one is 0.
TransmitPlan planTransmission(std::string_view terminalText, std::string_view waitText,
                              std::string_view delayText);

// The character `send` pauses before: the wait text's one character once its blanks are
// trimmed; none when it holds no character or more than one.
std::string waitCharacter(std::string_view waitText);

// The pause `send` makes before each wait character, or nothing when it does not fit 32 bits.
std::optional<std::int32_t> transmitDelay(std::string_view delayText);

} // namespace protocol
