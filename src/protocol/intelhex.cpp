#include "protocol/intelhex.h"

#include "protocol/hexbytes.h"
#include "protocol/textlines.h"

#include <algorithm>
#include <optional>

namespace protocol {

namespace {

enum RecordType : std::uint8_t {
    data = 0x00,
    endOfFile = 0x01,
    extendedSegment = 0x02,
    startSegment = 0x03,
    extendedLinear = 0x04,
    startLinear = 0x05,
};

constexpr std::size_t recordLength = 16;
constexpr std::uint64_t window = 0x10000; // what one record's 16-bit address reaches

std::string hexDigits(std::uint64_t value, int digits)
{
    static constexpr char digit[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digit[value & 0xF];
    return text;
}

void appendRecord(std::string &text, std::uint16_t address, RecordType type,
                  const std::uint8_t *payload, std::size_t size)
{
    unsigned sum = static_cast<unsigned>(size) + (address >> 8) + (address & 0xFF) + type;
    text += ':';
    text += hexDigits(size, 2);
    text += hexDigits(address, 4);
    text += hexDigits(type, 2);
    for (std::size_t i = 0; i < size; ++i) {
        text += hexDigits(payload[i], 2);
        sum += payload[i];
    }
    text += hexDigits((0x100 - (sum & 0xFF)) & 0xFF, 2);
    text += "\r\n";
}

std::string dataBytes(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " data byte" : " data bytes");
}

struct Record
{
    std::uint16_t address = 0;
    std::uint8_t type = 0;
    std::vector<std::uint8_t> payload;
};

// One record of a line, or the reason the line is not one (without its line number).
struct ParsedRecord
{
    Record record;
    std::string error;
};

ParsedRecord parseRecord(std::string_view line)
{
    if (line.front() != ':')
        return {{}, "does not start with \":\""};
    line.remove_prefix(1);
    // Every character is looked at before the count, so that a stray last one is named as
    // what it is.
    if (!std::all_of(line.begin(), line.end(), [](char c) { return hexDigitValue(c).has_value(); }))
        return {{}, "holds a character that is not a hex digit"};
    if (line.size() % 2 != 0)
        return {{}, "has an odd number of hex digits"};
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < line.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(*hexDigitValue(line[i]) * 16
                                                  + *hexDigitValue(line[i + 1])));
    if (bytes.size() < 5)
        return {{}, "is too short for a record"};
    const std::size_t count = bytes[0];
    if (bytes.size() != count + 5)
        return {{},
                "says it holds " + dataBytes(count) + " but holds " + dataBytes(bytes.size() - 5)};
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        sum += bytes[i];
    const unsigned expected = (0x100 - (sum & 0xFF)) & 0xFF;
    if (bytes.back() != expected)
        return {{},
                "has a bad checksum: it ends in " + hexDigits(bytes.back(), 2) + ", its bytes need "
                        + hexDigits(expected, 2)};
    Record record;
    record.address = static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
    record.type = bytes[3];
    record.payload.assign(bytes.begin() + 4, bytes.end() - 1);
    return {record, {}};
}

std::optional<std::size_t> payloadSizeOf(std::uint8_t type)
{
    switch (type) {
    case endOfFile:
        return 0;
    case extendedSegment:
    case extendedLinear:
        return 2;
    case startSegment:
    case startLinear:
        return 4;
    default:
        return std::nullopt;
    }
}

class Reader
{
public:
    // The reason a record cannot be taken, or nothing.
    std::string take(const Record &record)
    {
        if (record.type != data) {
            const auto size = payloadSizeOf(record.type);
            if (!size)
                return "has record type " + hexDigits(record.type, 2)
                       + ", which an image cannot take (it takes 00 to 05)";
            if (record.payload.size() != *size)
                return "has a record of type " + hexDigits(record.type, 2) + " with "
                       + dataBytes(record.payload.size()) + ", not " + std::to_string(*size);
        }
        const auto &p = record.payload;
        switch (record.type) {
        case data:
            return takeData(record);
        case endOfFile:
            m_ended = true;
            return {};
        case extendedSegment:
            m_base = static_cast<std::uint64_t>(p[0] << 8 | p[1]) << 4;
            return {};
        case extendedLinear:
            m_base = static_cast<std::uint64_t>(p[0] << 8 | p[1]) << 16;
            return {};
        default:
            return {};
        }
    }

    bool ended() const { return m_ended; }
    MemoryImage image() const { return m_image; }

private:
    std::string takeData(const Record &record)
    {
        if (record.payload.empty())
            return {};
        if (record.address + record.payload.size() > window)
            return "runs past the end of its 64 KiB address window";
        const std::uint64_t address = m_base + record.address;
        if (!m_next) {
            m_image.start = static_cast<std::uint32_t>(address);
        } else if (address != *m_next) {
            return std::string(address > *m_next ? "leaves a gap in the addresses"
                                                 : "goes back over addresses already given")
                   + ": the data before it ended at " + hexDigits(*m_next - 1, 4)
                   + ", this record starts at " + hexDigits(address, 4);
        }
        m_image.bytes.insert(m_image.bytes.end(), record.payload.begin(), record.payload.end());
        m_next = address + record.payload.size();
        return {};
    }

    MemoryImage m_image;
    std::optional<std::uint64_t> m_next; // where the next data must start
    std::uint64_t m_base = 0;
    bool m_ended = false;
};

} // namespace

std::string writeIntelHex(const MemoryImage &image)
{
    std::string text;
    const std::uint64_t last = std::uint64_t{image.start} + image.bytes.size();
    const std::size_t size = last > 0x100000000
                                     ? static_cast<std::size_t>(0x100000000 - image.start)
                                     : image.bytes.size();
    std::uint64_t upper = 0;
    for (std::size_t done = 0; done < size;) {
        const std::uint64_t address = std::uint64_t{image.start} + done;
        if (address >> 16 != upper) {
            upper = address >> 16;
            const std::uint8_t bytes[]
                    = {static_cast<std::uint8_t>(upper >> 8), static_cast<std::uint8_t>(upper)};
            appendRecord(text, 0, extendedLinear, bytes, 2);
        }
        const std::uint64_t chunk
                = std::min<std::uint64_t>({recordLength, size - done, window - (address & 0xFFFF)});
        appendRecord(text, static_cast<std::uint16_t>(address), data, image.bytes.data() + done,
                     static_cast<std::size_t>(chunk));
        done += static_cast<std::size_t>(chunk);
    }
    appendRecord(text, 0, endOfFile, nullptr, 0);
    return text;
}

HexReading readIntelHex(std::string_view text)
{
    Reader reader;
    for (const auto &[number, line] : nonBlankLines(text)) {
        const auto refused = [number = number](const std::string &why) {
            return HexReading{{}, "Line " + std::to_string(number) + " " + why, number};
        };
        if (reader.ended())
            return refused("follows the end-of-file record");
        const ParsedRecord parsed = parseRecord(line);
        if (!parsed.error.empty())
            return refused(parsed.error);
        if (auto why = reader.take(parsed.record); !why.empty())
            return refused(why);
    }
    if (!reader.ended())
        return {{}, "The text has no end-of-file record: it may have been cut short", 0};
    return {reader.image(), {}, 0};
}

} // namespace protocol
