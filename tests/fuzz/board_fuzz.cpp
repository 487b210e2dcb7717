// Feeds arbitrary bytes to the simulated board's firmware, with quiet spells and the timing
// model driven from the input too: it must never crash, hang or grow without bound.
#include "board/firmware.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    board::Firmware firmware((data[0] & 1) != 0);
    firmware.setBaudRate(data[0] & 2 ? 600 : 56000);
    const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    board::Micros now{0};
    // Byte 0x00 followed by n lets n milliseconds pass: quiet lines end and abandon frames.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0' && i + 1 < bytes.size()) {
            now += board::Micros{1000 * static_cast<unsigned char>(bytes[++i]) * 16};
            firmware.advance(now);
            continue;
        }
        firmware.receive(bytes.substr(i, 1), now);
        (void)firmware.takeOutput(now);
    }
    now += board::Micros{10'000'000};
    firmware.advance(now);
    (void)firmware.takeOutput(now);
    (void)firmware.takeLog();
    return 0;
}
