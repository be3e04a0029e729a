#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace dormivo {

// Exit codes of dormivo-report.
constexpr int kReportOk = 0;
constexpr int kReportCannotRead = 2;
constexpr int kReportUsageError = 64;

// Runs dormivo-report with the arguments after the program name, writing the
// report to `out` and messages to `err`; returns the exit code.
int runReport(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace dormivo
