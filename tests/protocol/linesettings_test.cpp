#include "protocol/linesettings.h"

#include <gtest/gtest.h>

namespace {

TEST(LineSettings, ReadsTheSettingsString)
{
    using protocol::LineSettings;
    const struct
    {
        const char *in;
        std::optional<LineSettings> out;
    } rows[] = {
            {"19200,n,8,1", LineSettings{19200, 'n', 8, 1}},
            {"56000,n,8,1", LineSettings{56000, 'n', 8, 1}},
            {"600,E,7,2", LineSettings{600, 'e', 7, 2}},
            {"", {}},
            {"19200,n,8", {}},
            {"19200,n,8,1,1", {}},
            {"fast,n,8,1", {}},
            {"19200,x,8,1", {}},
            {"19200,n,9,1", {}},
            {"19200,n,8,3", {}},
            {"-1,n,8,1", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::parseLineSettings(row.in), row.out) << row.in;
}

} // namespace
