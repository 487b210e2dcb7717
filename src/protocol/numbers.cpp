#include "protocol/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace protocol {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

int digitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double radixNumber(std::string_view digits, int radix)
{
    double value = 0;
    for (char c : digits) {
        if (isSkipped(c))
            continue;
        const int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

// Parses a plain decimal number (sign, digits, fraction, exponent) that fills `text` exactly.
std::optional<double> exactDecimal(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || ptr != end || ec != std::errc{} || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

double lenientNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto skip = [&] {
        while (i < text.size() && isSkipped(text[i]))
            ++i;
    };
    skip();
    if (i + 1 < text.size() && text[i] == '&') {
        const char kind = text[i + 1];
        if (kind == 'h' || kind == 'H')
            return radixNumber(text.substr(i + 2), 16);
        if (kind == 'o' || kind == 'O')
            return radixNumber(text.substr(i + 2), 8);
        return 0;
    }

    // Collect the characters that form the number, leaving out the skipped ones.
    std::string number;
    const auto takeDigits = [&] {
        bool any = false;
        for (skip(); i < text.size() && isDigit(text[i]); skip()) {
            number += text[i++];
            any = true;
        }
        return any;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool mantissa = takeDigits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        mantissa = takeDigits() || mantissa;
    }
    if (!mantissa)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        ++i;
        skip();
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            exponent += text[i++];
        const std::size_t before = number.size();
        if (takeDigits()) {
            exponent += number.substr(before);
            number.resize(before);
            number += exponent;
        }
    }
    if (number.front() == '+')
        number.erase(0, 1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large to hold reads as infinity, too small as zero; callers refuse infinity.
        const bool tiny = number.find("e-") != std::string::npos;
        const bool negative = number.front() == '-';
        if (tiny)
            return 0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::optional<std::uint32_t> wholeNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const auto value = exactDecimal(text);
    if (!value)
        return std::nullopt;
    const double whole = roundHalfEven(*value);
    if (whole < 0 || whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(whole);
}

} // namespace protocol
