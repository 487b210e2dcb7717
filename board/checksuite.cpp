#include "board/checksuite.h"

#include "board/commands.h"
#include "board/font.h"
#include "board/hex.h"

namespace board {

namespace {

std::string hexPair(int value)
{
    std::string text;
    appendHexPair(text, static_cast<std::uint8_t>(value));
    return text;
}

std::string hexAddress(std::uint32_t address)
{
    return hexPair(static_cast<int>(address >> 8)) + hexPair(static_cast<int>(address & 0xff));
}

// "]h]XXYY]A]B]@": every character after its own "]".
std::string stringFrame(char letter, int x, int y, std::string_view text)
{
    std::string frame = std::string("]") + letter + "]" + hexPair(x) + hexPair(y);
    for (const char c : text)
        frame += std::string("]") + c;
    return frame + "]@";
}

std::vector<std::string> withClear(std::vector<std::string> frames)
{
    frames.insert(frames.begin(), "]k");
    return frames;
}

std::vector<std::string> printableCharacters()
{
    // One string that wraps over five lines holds them all but "@", which would close it; "]p"
    // puts that one, and a few more where a cell meets the display's edges.
    std::string all;
    for (char c = 0x20; c < 0x7f; ++c) {
        if (c != '@')
            all += c;
    }
    return {stringFrame('h', 0, 0, all), "]p]4828]@", "]p]7a38]Z", "]p]7d1c]W", "]p]003c]q"};
}

std::vector<std::string> dotRuns()
{
    std::vector<std::string> frames;
    for (int x = 0; x < Lcd::width; x += 6)
        frames.push_back("]d]" + hexPair(x) + hexPair(x / 2));
    // Toggling turns some of them off again and lights dots that were dark.
    for (int x = 0; x < Lcd::width; x += 12)
        frames.push_back("]e]" + hexPair(x) + hexPair(x / 2));
    for (int x = 3; x < Lcd::width; x += 20)
        frames.push_back("]e]" + hexPair(x) + hexPair(Lcd::height - 1));
    for (const char *frame : {"]u]0a0a7c", "]u]0b0aff", "]u]0c0a81", "]u]7f3801", "]u]3f00a5"})
        frames.push_back(frame);
    return frames;
}

CheckGroup eepromGroup()
{
    CheckGroup eeproms{"EEPROM scratch bytes (", {}, false};
    for (const ScratchRange &range : scratchRanges())
        eeproms.name += std::string(eeproms.name.ends_with("(") ? "" : ", ")
                        + std::string(range.eeprom) + " " + hexAddress(range.first) + "-"
                        + hexAddress(range.last);
    eeproms.name += ")";
    // A pattern that sets and clears every bit of every byte.
    const std::vector<std::uint8_t> pattern = {0x00, 0xff, 0x5a, 0xa5};
    for (const ScratchRange &range : scratchRanges()) {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < range.size(); ++i)
            bytes.push_back(pattern[i % pattern.size()]);
        eeproms.frames.push_back(range.writeFrame(bytes));
        eeproms.frames.push_back(range.readFrame());
    }
    return eeproms;
}

} // namespace

std::vector<CheckGroup> checkSuite()
{
    // The EEPROMs first: a check stopped early has then changed the person's bytes for the
    // shortest time.
    std::vector<CheckGroup> groups = {eepromGroup()};
    const std::vector<CheckGroup> shapes = {
            {"shapes at the edges and corners",
             withClear({"]c]00000f", "]c]7f3f0c", "]c]401f1e", "]c]7f0005", "]s]7f0008",
                        "]s]003f06", "]s]401f05", "]q]00200a", "]q]7f200a", "]q]401f0e",
                        "]t]40000c", "]t]403f0c", "]t]20200a"})},
            {"rectangles with steps",
             withClear({"]r]007f003f]1]0000", "]r]04200408]2]0000", "]r]24500420]3]0000",
                        "]r]5a7b0a30]2.5]0000", "]r]08181218]1]0100", "]r]0a782038]4]0000",
                        "]r]60706b0a]1.33333333]0000"})},
            {"fill and clear",
             withClear({"]f]1", "]k", "]f]4", "]r]20600830]1]0101", "]r]00100010]1]0100"})},
    };
    groups.insert(groups.end(), shapes.begin(), shapes.end());
    for (int step = 1; step <= 9; ++step)
        groups.push_back({"fill pattern " + std::to_string(step),
                          withClear({"]f]" + std::to_string(step)})});
    const std::vector<CheckGroup> rest = {
            {"lines in every direction",
             withClear({"]l]407f2020", "]l]407f203f", "]l]4040203f", "]l]4000203f", "]l]40002020",
                        "]l]40002000", "]l]40402000", "]l]407f2000", "]l]00453f00", "]l]127f0005",
                        "]i]08380810]2", "]j]40700830]3", "]i]10603436]1.5"})},
            {"bars and axes",
             withClear({"]b]0414040c]1", "]b]181e0420]2", "]b]2838041e]3", "]b]404e0430]4",
                        "]b]58700424]5", "]x]087c3a]10", "]x]10703c]7.5", "]x]007f3f]16",
                        "]y]023a04]8", "]y]003f7f]4"})},
            {"dots and bytes", withClear(dotRuns())},
            {"every printable character", withClear(printableCharacters())},
            {"strings both ways",
             withClear({stringFrame('h', 0, 0, "SKETRA;CHECK"),
                        stringFrame('h', 96, 16, "WRAPS;ONTO;THE;NEXT;LINE"),
                        stringFrame('h', 0, 40, "]];]"), stringFrame('v', 120, 0, "VERTICAL"),
                        stringFrame('v', 110, 8, "UP")})},
            {"display memory written and read back",
             withClear({"]m]10170002]01]02]04]08]10]20]40]80]ff]7e]3c]18]81]42]24]18]a5]5a"
                        "]0f]f0]33]cc]55]aa",
                        "]m]3c430303]11]22]44]88]99]66]c3]3c", "]n]10170002", "]n]3c430303"})},
    };
    groups.insert(groups.end(), rest.begin(), rest.end());

    return groups;
}

std::string ScratchRange::readFrame() const
{
    return std::string("]") + readLetter + "]" + hexAddress(first) + hexAddress(last);
}

std::string ScratchRange::writeFrame(const std::vector<std::uint8_t> &bytes) const
{
    std::string frame = std::string("]") + writeLetter + "]" + hexAddress(first) + hexAddress(last);
    for (const std::uint8_t byte : bytes)
        frame += "]" + hexPair(byte);
    return frame + "]";
}

std::vector<ScratchRange> scratchRanges()
{
    constexpr std::uint32_t scratchSize = 4;
    return {{"external", 'a', 'o', Commands::externalSize - scratchSize,
             Commands::externalSize - 1},
            {"internal", 'g', 'w', Commands::internalSize - scratchSize,
             Commands::internalSize - 1}};
}

std::vector<std::string> pacingSequence()
{
    // Two full text lines, then a vertical string over the end of the first.
    return {"]k", stringFrame('h', 0, 0, "THE;QUICK;BROWN;FOX;JUMPS;OVER;THE;LAZY;DOG;0"),
            stringFrame('v', 120, 0, "OK")};
}

std::string ReferenceBoard::answer(std::string_view frame)
{
    // A quiet second after each frame, as a frame sent on its own ends.
    const Micros sent = m_clock;
    m_clock += Micros{1'000'000};
    m_firmware.receive(frame, sent);
    m_firmware.advance(m_clock);
    return m_firmware.takeOutput(m_clock);
}

} // namespace board
