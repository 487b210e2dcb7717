// The shape, rectangle, line, bar and axis frames from any box texts: each refusal sends
// nothing, each frame is well-formed, and a frame is refused exactly when a box it encodes
// holds no whole number from 0 up.
#include "fuzz/fuzzsupport.h"
#include "protocol/shapeframes.h"

#include <cstddef>
#include <cstdint>

namespace {

using fuzzsupport::boxText;
using fuzzsupport::require;
using fuzzsupport::requireSound;
using fuzzsupport::whole;

void shape(FuzzedDataProvider &data)
{
    const char letter = data.PickValueInArray({'c', 's', 'q', 't'});
    const std::string x = boxText(data), y = boxText(data), size = boxText(data);
    const auto encoded = protocol::shapeFrame(letter, {"X", x}, {"Y", y}, {"Size", size});
    requireSound(encoded, std::string_view(&letter, 1));
    require(encoded.ok() == (whole(x) && whole(y) && whole(size)));
    if (!encoded.ok())
        require(encoded.refusal.starts_with(!whole(x) ? "X " : !whole(y) ? "Y " : "Size "));
}

void rectangle(FuzzedDataProvider &data)
{
    const std::string x1 = boxText(data), x2 = boxText(data), y1 = boxText(data),
                      y2 = boxText(data), step = boxText(data);
    const bool fill = data.ConsumeBool(), clear = data.ConsumeBool();
    const auto result = protocol::rectangleFrame(
            {{"X1", x1}, {"X2", x2}, {"Y1", y1}, {"Y2", y2}, {"Step", step}, fill, clear});
    requireSound(result.encoded, "r");
    if (!result.encoded.ok()) {
        for (const std::string &corner : result.corners)
            require(corner.empty());
        return;
    }
    const std::string typed[] = {x1, x2, y1, y2};
    for (std::size_t i = 0; i < 4; ++i)
        require(result.corners[i] == "255" || result.corners[i] == "0"
                || result.corners[i] == typed[i]);
    // The corrected corners are corrected no further and make the same frame.
    const auto &c = result.corners;
    const auto again = protocol::rectangleFrame(
            {{"X1", c[0]}, {"X2", c[1]}, {"Y1", c[2]}, {"Y2", c[3]}, {"Step", step}, fill, clear});
    require(again.encoded.frame == result.encoded.frame && again.corners == result.corners);
    require(result.encoded.frame.ends_with(std::string(fill ? "01" : "00")
                                           + (clear ? "01" : "00")));
}

void line(FuzzedDataProvider &data)
{
    const std::string x1 = boxText(data), y1 = boxText(data), x2 = boxText(data),
                      y2 = boxText(data);
    const auto encoded = protocol::lineFrame({"X1", x1}, {"Y1", y1}, {"X2", x2}, {"Y2", y2});
    requireSound(encoded, "l");
    const bool inOrder = !(protocol::lenientNumber(x2) < protocol::lenientNumber(x1))
                         && !(protocol::lenientNumber(y2) < protocol::lenientNumber(y1));
    require(encoded.ok() == (inOrder && whole(x1) && whole(x2) && whole(y1) && whole(y2)));
}

// A list's selected item: one of its items, or none.
std::string item(FuzzedDataProvider &data, int items)
{
    const int picked = data.ConsumeIntegralInRange(0, items);
    return picked == 0 ? std::string() : std::to_string(picked);
}

void bar(FuzzedDataProvider &data)
{
    const std::string x = boxText(data), y = boxText(data), height = boxText(data),
                      width = boxText(data), step = item(data, 5);
    const bool vertical = data.ConsumeBool();
    const auto encoded = protocol::barFrame(
            {{"X", x}, {"Y", y}, {"Height", height}, {"Width", width}, vertical, {"Step", step}});
    requireSound(encoded, "b");
    if (!whole(x) || !whole(y) || step.empty())
        require(!encoded.ok());
}

void axis(FuzzedDataProvider &data)
{
    const char letter = data.ConsumeBool() ? 'x' : 'y';
    const std::string start = boxText(data), length = boxText(data), across = boxText(data),
                      tick = item(data, 10);
    const auto encoded = protocol::axisFrame(letter, {"Start", start}, {"Length", length},
                                             {"Across", across}, {"Tick", tick});
    requireSound(encoded, std::string_view(&letter, 1));
    if (!whole(start) || !whole(across) || tick.empty())
        require(!encoded.ok());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    switch (data.ConsumeIntegralInRange(0, 4)) {
    case 0:
        shape(data);
        break;
    case 1:
        rectangle(data);
        break;
    case 2:
        line(data);
        break;
    case 3:
        bar(data);
        break;
    default:
        axis(data);
        break;
    }
    return 0;
}
