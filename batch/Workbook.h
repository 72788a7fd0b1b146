#pragma once
// The workbook of --xlsx: the same workbook as the window's 导出到 Excel.
#include <string>

#include "BatchCharts.h"
#include "BatchWindow.h"
#include "StudyInfo.h"

// After the compute: the window's texts, the latest record and the charts.
// Throws TUsageError naming the file when it cannot be written.
void WriteBatchWorkbook(const TBatchWindow& window, TBatchCharts& charts, const TStudyInfo& study,
                        const std::string& decimalSeparator, const std::string& path);
