#include "Report.h"

#include "BatchOptions.h"

std::optional<std::string> ReportUnavailable()
{
    return std::string("--report：批处理模式暂时不能输出结果报告（报告导出尚未接入），请在窗口中导出");
}

void WriteReport(const TBatchWindow&, const std::optional<std::string>&, TBatchCharts&, const std::string&)
{
    throw TUsageError(*ReportUnavailable());
}
