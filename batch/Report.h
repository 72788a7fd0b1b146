#pragma once
// The report of --report: the same document as the window's 导出报告(PDF),
// taken from the form computed offscreen on the batch's grid and inputs.
#include <string>

#include "BatchWindow.h"
#include "StudyInfo.h"

struct TExtendedResult;

// Computes the window's grid and inputs in the form and writes its report as
// a PDF at path, with the extended analysis when given. Throws TUsageError
// naming the file when it cannot be written.
void WriteReport(const TBatchWindow& window, const TStudyInfo& study, const TExtendedResult* extended,
                 const std::string& path);
