#pragma once

#include <string_view>

namespace protocol {

// How the program talks to the board until the person says otherwise: the window's boxes
// start with these, and so do `--send` and the port.
inline constexpr std::string_view defaultSettings = "19200,n,8,1";
inline constexpr int defaultDelayMs = 20;
inline constexpr std::string_view defaultWaitChar = "]";
// How long the board may stay quiet before a frame counts as unanswered.
inline constexpr int defaultTimeoutMs = 5000;

} // namespace protocol
