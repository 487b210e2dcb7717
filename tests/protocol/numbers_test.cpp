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
            {"", 0},       {"abc", 0},    {"12abc", 12}, {"1,5", 1},     {"35.5", 35.5},
            {"  20", 20},  {"2 0", 20},   {"\t7\n", 7},  {"-5", -5},     {"+5", 5},
            {".5", 0.5},   {"5.", 5},     {"1e3", 1000}, {"1E-2", 0.01}, {"2e", 2},
            {"&HFF", 255}, {"&hff", 255}, {"&O17", 15},  {"&Hxyz", 0},   {"&", 0},
            {"-", 0},      {".", 0},      {"9.5x", 9.5}, {"1 2 3", 123}, {"1d2", 100},
    };
    for (const auto &row : rows)
        EXPECT_DOUBLE_EQ(protocol::lenientNumber(row.in), row.out) << '"' << row.in << '"';
}

TEST(LenientNumber, AnExponentTooLargeReadsAsInfinity)
{
    EXPECT_TRUE(std::isinf(protocol::lenientNumber("9e999")));
    EXPECT_EQ(protocol::lenientNumber("9e-999"), 0);
}

TEST(WholeNumber, AcceptsOnlyWholeNumbersFromZeroToTheInt32Maximum)
{
    const struct
    {
        const char *in;
        std::optional<std::uint32_t> out;
    } rows[] = {
            {"0", 0u},          {"64", 64u},   {" 20 ", 20u}, {"20.5", 20u},
            {"21.5", 22u},      {"1e2", 100u}, {"+7", 7u},    {"2147483647", 2147483647u},
            {"2147483648", {}}, {"-1", {}},    {"", {}},      {"abc", {}},
            {"12abc", {}},      {"1 2", {}},   {"inf", {}},   {"nan", {}},
            {"-0.4", 0u},       {"0x10", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::wholeNumber(row.in), row.out) << '"' << row.in << '"';
}

} // namespace
