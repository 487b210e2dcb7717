// Feeds arbitrary bytes to the simulated board's firmware, with quiet spells and the timing
// model driven from the input too: it must never crash, hang or grow without bound, and every
// line it answers must be a reply a terminal can show: hex pairs then "Ready:", or one error.
#include "board/firmware.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

bool wellFormed(std::string_view line)
{
    if (line.starts_with("Error: ")) {
        for (const char c : line) {
            if (c < 0x20 || c > 0x7e)
                return false;
        }
        return true;
    }
    if (!line.ends_with("Ready:"))
        return false;
    const std::string_view data = line.substr(0, line.size() - 6);
    if (data.size() % 2 != 0)
        return false;
    for (const char c : data) {
        if (!isLowerHex(c))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    board::Firmware firmware((data[0] & 1) != 0);
    firmware.setBaudRate(data[0] & 2 ? 600 : 56000);
    const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    board::Micros now{0};
    std::string replies;
    // Byte 0x00 followed by n lets n times 16 milliseconds pass: quiet lines end and abandon
    // frames.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0' && i + 1 < bytes.size()) {
            now += board::Micros{1000 * static_cast<unsigned char>(bytes[++i]) * 16};
            firmware.advance(now);
            continue;
        }
        firmware.receive(bytes.substr(i, 1), now);
        replies += firmware.takeOutput(now);
    }
    // Long enough for every reply to leave at 600 baud: a day.
    now += board::Micros{86'400'000'000};
    firmware.advance(now);
    replies += firmware.takeOutput(now);
    (void)firmware.takeLog();

    if (!replies.empty() && replies.back() != '\r')
        std::abort();
    for (std::size_t start = 0; start < replies.size();) {
        const std::size_t end = replies.find('\r', start);
        if (!wellFormed(std::string_view(replies).substr(start, end - start)))
            std::abort();
        start = end + 1;
    }
    return 0;
}
