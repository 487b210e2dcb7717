#pragma once

#include <iosfwd>

namespace app {

struct Options;

// `sketra --check-board` and `--find-pacing`: opens the port the options name, searches the
// pacing if asked, runs the check if asked, prints one line per group and the total, and
// writes the report when a folder is given. 0: every group matched (and a pacing was found);
// 1: one did not, could not be compared, or no pacing kept up; 2: a usage or port error.
int runBoardCheck(const Options &options, std::ostream &out, std::ostream &err);

} // namespace app
