#pragma once
// The one-page report of --report. It is drawn by the application's report
// export, which the batch mode is not linked with yet: ReportUnavailable
// says so before anything is read, and WriteReport is where the export goes.
#include <optional>
#include <string>

#include "BatchCharts.h"
#include "BatchWindow.h"

// Why this build cannot write the report, or nothing when it can.
std::optional<std::string> ReportUnavailable();

// The report of the results, the error as shown (if any) and the charts, as
// one PDF page at path. Throws TUsageError when it cannot be written.
void WriteReport(const TBatchWindow& window, const std::optional<std::string>& error, TBatchCharts& charts,
                 const std::string& path);
