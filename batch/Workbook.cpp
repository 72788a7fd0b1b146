#include "Workbook.h"

#include <algorithm>

#include "BatchOptions.h"
#include "ChartFiles.h"
#include "Errors.h"
#include "ResultsWorkbook.h"
#include "SafeFile.h"
#include "WindowChartTable.h"

void WriteBatchWorkbook(const TBatchWindow& window, TBatchCharts& charts, const TStudyInfo& study,
                        const std::string& decimalSeparator, const std::string& path)
{
    TWorkbookContents contents;
    contents.Window = &window;
    if (const TarryCpk* record = CurrentCpk()) {
        contents.Record = &record->Value;
        contents.HistogramComplete = record->HistogramComplete;
    }
    for (std::string_view line : window.MemoLines(Field::KeyValues))
        contents.KeyValueLines.emplace_back(line);
    contents.Study = study;
    // In the window's order, as the window's export lists them.
    for (const TWindowChart* shown : WindowCharts()) {
        TBatchChart& chart = *std::ranges::find(charts.Charts(), shown->Control, &TBatchChart::Name);
        contents.Charts.push_back({QString::fromUtf8(shown->Label.data(), qsizetype(shown->Label.size())), &chart.Chart,
                                   chart.Width, chart.Height, ChartFilePaint(chart.Chart)});
    }
    contents.DecimalSeparator = decimalSeparator;
    try {
        WriteFileSafely(QString::fromStdString(path), ResultsWorkbookBytes(contents));
    } catch (const Exception& error) {
        throw TUsageError(error.Message());
    }
}
