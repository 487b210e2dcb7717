#include "protocol/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        double in, out;
    } rows[] = {
            {12.5, 12}, {13.5, 14}, {20.5, 20}, {21.5, 22}, {35.5, 36}, {0.5, 0},
            {2.4, 2},   {2.6, 3},   {-2.5, -2}, {-3.5, -4}, {-0.4, 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::roundHalfEven(row.in), row.out) << row.in;
}

TEST(LenientNumber, ReadsTheLeadingNumberAndNeverFails)
{
    const struct
    {
        const char *in;
        double out;
    } rows[] = {
            {"", 0},       {"abc", 0},     {"12abc", 12}, {"1,5", 1},     {"35.5", 35.5},
            {"  20", 20},  {"2 0", 20},    {"\t7\n", 7},  {"-5", -5},     {"+5", 5},
            {".5", 0.5},   {"5.", 5},      {"1e3", 1000}, {"1E-2", 0.01}, {"2e", 2},
            {"&HFF", 255}, {"&hff", 255},  {"&O17", 15},  {"&Hxyz", 0},   {"&", 0},
            {"-", 0},      {".", 0},       {"9.5x", 9.5}, {"1 2 3", 123}, {"1d2", 1},
            {"1D3", 1},    {"2.5d1", 2.5},
    };
    for (const auto &row : rows)
        EXPECT_DOUBLE_EQ(protocol::lenientNumber(row.in), row.out) << '"' << row.in << '"';
}

TEST(LenientNumber, ANumberTooLargeToHoldStaysHuge)
{
    const std::string nines(400, '9');
    const struct
    {
        std::string in;
        double out;
    } rows[] = {
            {"9e999", INFINITY},
            {"-9e999", -INFINITY},
            {nines, INFINITY},
            {nines + "e-1", INFINITY},
            {nines + "e-90", INFINITY},
            {"0." + std::string(400, '0') + "1", 0},
            {"9e-999", 0},
            {"1e99999999999999999999", INFINITY},
            {"&H" + std::string(400, 'F'), INFINITY},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::lenientNumber(row.in), row.out) << row.in.substr(0, 12);
}

TEST(DecimalNumber, KeepsFractionsAndSignsAndRefusesTrailingText)
{
    const struct
    {
        const char *in;
        std::optional<double> out;
    } rows[] = {
            {"-5", -5.0}, {" 2.5 ", 2.5}, {"1e3", 1000.0}, {"999", 999.0}, {"-1e400", -INFINITY},
            {"", {}},     {"abc", {}},    {"1,5", {}},     {"inf", {}},    {"-nan", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::decimalNumber(row.in), row.out) << '"' << row.in << '"';
}

TEST(WholeNumber, AcceptsOnlyWholeNumbersFromZeroToTheInt32Maximum)
{
    const struct
    {
        std::string in;
        std::optional<std::uint32_t> out;
    } rows[] = {
            {"0", 0u},
            {"64", 64u},
            {" 20 ", 20u},
            {"20.5", 20u},
            {"21.5", 22u},
            {"1e2", 100u},
            {"+7", 7u},
            {"2147483647", 2147483647u},
            {"2147483648", {}},
            {"-1", {}},
            {"", {}},
            {"abc", {}},
            {"12abc", {}},
            {"1 2", {}},
            {"inf", {}},
            {"nan", {}},
            {"-0.4", 0u},
            {"0x10", {}},
            {"+-5", {}},
            {"1d3", {}},
            {std::string(400, '9') + "e-1", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::wholeNumber(row.in), row.out) << '"' << row.in << '"';
}

} // namespace
