#pragma once
// The one-page report of --report. The report is drawn by the application's
// export, which the batch mode does not have yet.
#include <optional>
#include <string>

// Why the report cannot be written, or nothing when it can.
std::optional<std::string> ReportUnavailable();
