#pragma once

#include <optional>

namespace serial {

// The rate the driver has actually set on an open serial device, in baud; nothing when the
// driver will not say.
std::optional<int> actualBaudRate(int descriptor);

// Whether a rate the driver set is close enough to the one asked for: a UART copes with a
// couple of per cent between the two ends, no more.
bool rateClose(int asked, int set);

} // namespace serial
