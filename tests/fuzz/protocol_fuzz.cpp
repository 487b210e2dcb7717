// Feeds arbitrary bytes to every reading of typed text and every encoding of received text.
#include "protocol/fields.h"
#include "protocol/framefile.h"
#include "protocol/hexbytes.h"
#include "protocol/lineends.h"
#include "protocol/linesettings.h"
#include "protocol/numbers.h"
#include "protocol/transmission.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    (void)protocol::lenientNumber(text);
    (void)protocol::hexFieldOf(text);
    (void)protocol::parseLineSettings(text);
    (void)protocol::normaliseLineEnds(text);
    (void)protocol::bytesOfHexPairs(text);
    (void)protocol::readFrameFile(text);
    const auto third = size / 3;
    (void)protocol::planTransmission(text.substr(0, third), text.substr(third, 2),
                                     text.substr(third + 2 > size ? size : third + 2));
    (void)protocol::FrameFileWriter().sent(text.substr(0, third), text.substr(third, 2),
                                           text.substr(third + 2 > size ? size : third + 2));
    return 0;
}
