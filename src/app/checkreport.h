#pragma once

#include <QString>

#include <optional>

namespace app {

struct CheckResult;
struct PacingResult;

// What the report says about where it ran.
struct ReportHeader
{
    QString device;
    QString settings;
};

// Writes DIR/index.html with the pictures beside it: per group its frames (those the board
// answered otherwise marked), the board's display, the simulated board's and their
// differences; the scratch bytes used; the pacing search when it ran. False with the reason
// when the folder or a file cannot be written.
bool writeCheckReport(const QString &folder, const ReportHeader &header, const CheckResult *check,
                      const std::optional<PacingResult> &pacing, QString *error);

} // namespace app
