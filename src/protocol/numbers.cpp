#include "protocol/numbers.h"

#include <algorithm>
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

// Whether a decimal number too large or too small for a double lies beyond the largest one
// rather than below the smallest: the position of its first significant digit says which.
bool beyondLargest(std::string_view number)
{
    long position = 0; // of the first significant digit: 1 for "5", 0 for ".5", -1 for ".05"
    bool seenPoint = false;
    bool significant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (c != '0')
                significant = true;
            if (!seenPoint && significant)
                ++position;
            else if (seenPoint && !significant)
                --position;
        }
    }
    constexpr long saturated = 1'000'000;
    long exponent = 0;
    bool negative = false;
    if (i < number.size()) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        for (; i < number.size() && isDigit(number[i]); ++i)
            exponent = std::min(saturated, exponent * 10 + (number[i] - '0'));
    }
    return position + (negative ? -exponent : exponent) > 0;
}

// Reads sign, digits, fraction and exponent that fill `number` exactly. A number too large to
// hold reads as infinity, never as zero, so that every range check refuses it.
std::optional<double> readDecimal(std::string_view number)
{
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan".
    if (number.empty() || !(isDigit(number.front()) || number.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto *end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, value, std::chars_format::general);
    if (ptr != end || (ec != std::errc{} && ec != std::errc::result_out_of_range))
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        value = beyondLargest(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
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
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
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
    return readDecimal(number).value_or(0);
}

std::optional<double> decimalNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return readDecimal(text);
}

std::optional<std::uint32_t> wholeNumber(std::string_view text)
{
    const auto value = decimalNumber(text);
    if (!value)
        return std::nullopt;
    const double whole = roundHalfEven(*value);
    if (!(whole >= 0 && whole <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::uint32_t>(whole);
}

} // namespace protocol
