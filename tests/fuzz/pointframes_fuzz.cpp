// The dot, byte, character, fill and run-of-dots frames from any box texts: each refusal sends
// nothing, each frame is well-formed, a run has one frame per dot with its fixed coordinate
// unchanged, and a frame is refused exactly when a box it encodes holds no whole number.
#include "fuzz/fuzzsupport.h"
#include "protocol/fields.h"
#include "protocol/numbers.h"
#include "protocol/pointframes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using fuzzsupport::boxText;
using fuzzsupport::require;
using fuzzsupport::requireSound;
using fuzzsupport::whole;

void point(FuzzedDataProvider &data)
{
    const std::string x = boxText(data), y = boxText(data), value = boxText(data);
    const auto dot = protocol::setDotFrame({"X", x}, {"Y", y});
    requireSound(dot, "d");
    require(dot.ok() == (whole(x) && whole(y)));
    const auto toggled = protocol::resetDotFrame({"X", x}, {"Y", y});
    requireSound(toggled, "e");
    require(toggled.ok() == dot.ok());
    const auto byte = protocol::putByteFrame({"X", x}, {"Y", y}, {"Byte", value});
    requireSound(byte, "u");
    require(byte.ok() == (dot.ok() && whole(value)));
}

void character(FuzzedDataProvider &data)
{
    const std::string x = boxText(data), y = boxText(data);
    // What the one-character box can hold: nothing, or one character as UTF-8 (or any byte).
    const std::string typed = data.ConsumeBytesAsString(data.ConsumeIntegralInRange(0, 4));
    const auto encoded = protocol::putCharacterFrame({"X", x}, {"Y", y}, typed);
    requireSound(encoded, "p");
    if (!whole(x) || !whole(y))
        require(!encoded.ok());
}

void fill(FuzzedDataProvider &data)
{
    const int picked = data.ConsumeIntegralInRange(0, 9);
    const std::string step = picked == 0 ? std::string() : std::to_string(picked);
    const auto encoded = protocol::fillFrame(step);
    requireSound(encoded, "f");
    require(encoded.ok() == !step.empty());
}

void run(FuzzedDataProvider &data)
{
    // The count box takes three characters: at most 999 dots, or "1e3".
    const std::string count = data.ConsumeRandomLengthString(3), x = boxText(data),
                      y = boxText(data);
    const auto direction = data.ConsumeBool() ? protocol::RunDirection::Horizontal
                                              : protocol::RunDirection::Vertical;
    const auto dots = protocol::dotRunFrames({"Number", count}, {"X", x}, {"Y", y}, direction);
    if (!dots.ok()) {
        require(dots.frames.empty());
        return;
    }
    const double n = protocol::roundHalfEven(protocol::lenientNumber(count));
    require(dots.frames.size() == (n < 1 ? 0 : static_cast<std::size_t>(n)));
    // The coordinate across the run keeps its field; the one along it climbs by the dot.
    const bool horizontal = direction == protocol::RunDirection::Horizontal;
    const double across = protocol::roundHalfEven(protocol::lenientNumber(horizontal ? y : x));
    if (dots.frames.empty())
        return;
    const std::string acrossField = protocol::hexField(static_cast<std::uint32_t>(across));
    double previous = -1;
    for (const std::string &frame : dots.frames) {
        require(framegrammar::isWellFormed(frame, "d"));
        const std::string fields = frame.substr(3);
        require(horizontal ? fields.ends_with(acrossField) : fields.starts_with(acrossField));
        const std::string along = horizontal ? fields.substr(0, fields.size() - acrossField.size())
                                             : fields.substr(acrossField.size());
        const double value = static_cast<double>(std::stoull(along, nullptr, 16));
        require(previous < 0 || (value >= previous && value <= previous + 2));
        previous = value;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0:
        point(data);
        break;
    case 1:
        character(data);
        break;
    case 2:
        fill(data);
        break;
    default:
        run(data);
        break;
    }
    return 0;
}
