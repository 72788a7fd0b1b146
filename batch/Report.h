#pragma once
// The one-page report of --report: the results as the window shows them,
// drawn by the window itself (offscreen) onto the report page.
#include <string>

#include "BatchWindow.h"

// Computes the window's grid and inputs in the form and writes its report as
// a PDF at path. Throws TUsageError naming the file when it cannot be written.
void WriteReport(const TBatchWindow& window, const std::string& path);
