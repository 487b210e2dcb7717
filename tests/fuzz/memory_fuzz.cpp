// The readings and reformattings of the memory pages from any texts: hex text cleaned once is
// clean, the four-digit rewrite is idempotent, byte lists hold "]" and two hex digits per byte,
// the trailer rule only ever cuts the eight characters it recognises, a refusal sends nothing
// and every frame is well-formed.
#include "fuzz/fuzzsupport.h"
#include "protocol/hextext.h"
#include "protocol/memoryframes.h"
#include "protocol/numbers.h"
#include "protocol/replies.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using fuzzsupport::boxText;
using fuzzsupport::require;
using fuzzsupport::requireSound;

bool onlyHex(std::string_view text)
{
    return text.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

void hexText(FuzzedDataProvider &data)
{
    const std::string text = data.ConsumeRemainingBytesAsString();
    const auto clean = protocol::cleanHexText(text);
    if (!clean)
        return;
    require(onlyHex(*clean) && clean->size() <= text.size());
    require(protocol::cleanHexText(*clean) == clean);
    const std::string pairs = clean->substr(0, clean->size() / 2 * 2);
    const std::string eeprom = protocol::eepromByteList(pairs);
    const std::string lcd = protocol::lcdByteList(pairs);
    require(eeprom.size() == pairs.size() / 2 * 3 + 1
            && (pairs.empty() || lcd == eeprom.substr(0, eeprom.size() - 1)));
    if (!pairs.empty())
        require(framegrammar::isEepromByteList(eeprom) && framegrammar::isLcdByteList(lcd));
}

void fourDigits(FuzzedDataProvider &data)
{
    const std::string start = boxText(data), number = boxText(data);
    const std::string rewritten = protocol::fourDigitRewrite(start);
    require(protocol::fourDigitRewrite(rewritten) == rewritten);
    const std::string caption = protocol::endAddressCaption(start, number);
    require(caption.size() >= 4 && protocol::decimalNumber(caption).has_value());
    const std::string rest = data.ConsumeRemainingBytesAsString();
    const std::string_view kept = protocol::withoutTrailer(rest);
    require(rest.starts_with(kept));
    const bool trailer = rest.size() >= 8 && rest.compare(rest.size() - 4, 2, "y:") == 0;
    require(kept.size() == (trailer ? rest.size() - 8 : rest.size()));
}

void eeprom(FuzzedDataProvider &data)
{
    const auto memory
            = data.ConsumeBool() ? protocol::Eeprom::External : protocol::Eeprom::Internal;
    const std::string start = boxText(data), count = boxText(data);
    const std::string end = protocol::endAddressCaption(start, count);
    requireSound(protocol::eepromReadFrame(memory, {"Address", start}, {"Number", count}, end),
                 "ag");

    const std::string text = data.ConsumeRemainingBytesAsString();
    const auto reformat = protocol::reformatForEeprom(text, {"Start Address", start});
    if (!reformat.ok()) {
        require(reformat.byteList.empty());
        return;
    }
    require(framegrammar::isEepromByteList(reformat.byteList));
    const std::uint64_t bytes = reformat.byteList.size() / 3;
    require(reformat.end + 1 == *protocol::wholeNumber(start) + bytes);
    const auto frame = protocol::eepromWriteFrame(memory, {"Start Address", start}, reformat.end,
                                                  reformat.byteList);
    requireSound(frame, "ow");
    require(frame.ok() && frame.frame.ends_with(reformat.byteList));
}

void lcd(FuzzedDataProvider &data)
{
    const std::string x1 = boxText(data), x2 = boxText(data), y1 = boxText(data),
                      y2 = boxText(data);
    const protocol::CornerReading corners
            = protocol::readCorners({"X1", x1}, {"X2", x2}, {"Y1", y1}, {"Y2", y2});
    requireSound(protocol::lcdReadFrame(corners), "n");
    const std::string text = data.ConsumeRemainingBytesAsString();
    const auto written = protocol::lcdWriteFrame(corners, text);
    requireSound(written, "m");
    if (written.ok())
        require(written.frame.ends_with(text));

    const auto reformat = protocol::reformatForLcd(text, corners);
    if (!reformat.ok()) {
        require(reformat.byteList.empty());
        return;
    }
    require(framegrammar::isLcdByteList(reformat.byteList));
    require(reformat.rectangleCount == reformat.textCount);
    require(std::stoull(reformat.textCount) == reformat.byteList.size() / 3);
    const auto frame = protocol::lcdWriteFrame(corners, reformat.byteList);
    require(frame.ok() && framegrammar::isWellFormed(frame.frame, "m"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0:
        hexText(data);
        break;
    case 1:
        fourDigits(data);
        break;
    case 2:
        eeprom(data);
        break;
    default:
        lcd(data);
        break;
    }
    return 0;
}
