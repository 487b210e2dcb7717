// The string frames from any texts: each refusal sends nothing, each frame is well-formed with
// at most 32 (horizontal) or 16 (vertical) characters, upper-casing twice changes nothing, and
// the frame of a text equals the frame of its upper-cased form.
#include "fuzz/fuzzsupport.h"
#include "protocol/numbers.h"
#include "protocol/stringframes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using fuzzsupport::require;
using fuzzsupport::requireSound;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const auto direction = data.ConsumeBool() ? protocol::StringDirection::Horizontal
                                              : protocol::StringDirection::Vertical;
    const std::string x = fuzzsupport::boxText(data), y = fuzzsupport::boxText(data);
    const std::string text = data.ConsumeRemainingBytesAsString();

    const std::string upper = protocol::upperCased(text);
    require(upper.size() == text.size() && protocol::upperCased(upper) == upper);
    for (char c : upper)
        require(!(c >= 'a' && c <= 'z'));

    const auto encoded = protocol::stringFrame(direction, {"X", x}, {"Y", y}, text);
    const char letter = direction == protocol::StringDirection::Horizontal ? 'h' : 'v';
    requireSound(encoded, std::string_view(&letter, 1));
    if (!protocol::wholeNumber(x) || !protocol::wholeNumber(y))
        require(!encoded.ok());
    const auto again = protocol::stringFrame(direction, {"X", x}, {"Y", y}, upper);
    require(again.frame == encoded.frame && again.refusal == encoded.refusal);
    return 0;
}
