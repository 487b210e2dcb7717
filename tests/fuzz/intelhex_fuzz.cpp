// Feeds arbitrary text to the Intel HEX reader; whatever it reads must come back the same
// through the writer.
#include "protocol/intelhex.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto reading = protocol::readIntelHex(text);
    if (!reading.ok()) {
        if (!reading.image.bytes.empty())
            std::abort(); // a refusal returns nothing partial
        return 0;
    }
    const auto again = protocol::readIntelHex(protocol::writeIntelHex(reading.image));
    if (!again.ok() || !(again.image == reading.image))
        std::abort();
    return 0;
}
