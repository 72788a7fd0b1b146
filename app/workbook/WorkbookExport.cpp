#include "WorkbookExport.h"

#include "ChartControl.h"
#include "ExportInfo.h"
#include "FileDialogs.h"
#include "FormControls.h"
#include "NumberSettings.h"
#include "SafeFile.h"
#include "Unit1.h"
#include "WindowChartTable.h"

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

TWorkbookContents FormWorkbookContents(TForm1& form, const TStudyInfo& study)
{
    TWorkbookContents contents;
    contents.Window = &form;
    if (const TarryCpk* record = CurrentCpk()) {
        contents.Record = &record->Value;
        contents.HistogramComplete = record->HistogramComplete;
    }
    for (const QString& line : form.Memo(FromUtf8(Field::KeyValues.Control))->Lines())
        contents.KeyValueLines.push_back(line.toStdString());
    contents.Study = study;
    for (const TWindowChart* chart : WindowCharts()) {
        TChartControl& control = *form.Chart(FromUtf8(chart->Control));
        contents.Charts.push_back({FromUtf8(chart->Label), &control.Chart(), control.width(), control.height()});
    }
    contents.DecimalSeparator = NumberSettings().DecimalSeparator;
    return contents;
}

void ExportResultsWorkbook(TForm1& form, const TStudyInfo& study, TFileDialogs& dialogs)
{
    const auto path = dialogs.ChooseSaveFile({QStringLiteral("导出到 Excel"),
                                              ApplicationDocumentTitle() + QStringLiteral(".xlsx"),
                                              {QStringLiteral("Excel 工作簿 (*.xlsx)")}});
    if (path)
        WriteFileSafely(*path, ResultsWorkbookBytes(FormWorkbookContents(form, study)));
}
