#include "FormReport.h"

#include <QDate>

#include <algorithm>

#include "ChartControl.h"
#include "ComputeNotices.h"
#include "ExtendedTables.h"
#include "FormControls.h"
#include "ResultRecord.h"
#include "ResultsState.h"
#include "Unit1.h"
#include "WindowChartTable.h"
#include "WindowFields.h"

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The grid down to its last row and column with a text.
QList<QStringList> Readings(const TWindowModel& window)
{
    int rows = 0, columns = 0;
    for (int row = 0; row < window.RowCount(); ++row)
        for (int col = 0; col < window.ColCount(); ++col)
            if (!window.Cell(col, row).empty()) {
                rows = row + 1;
                columns = std::max(columns, col + 1);
            }
    QList<QStringList> readings;
    for (int row = 0; row < rows; ++row) {
        QStringList& cells = readings.emplace_back();
        for (int col = 0; col < columns; ++col)
            cells << QString::fromStdString(window.Cell(col, row));
    }
    return readings;
}

// Printed anyway after the question about stale results, the report says so first.
QStringList Notices(TForm1& form)
{
    if (const TResultsState* state = TResultsState::Of(form)) {
        QStringList notices = state->Notices();
        if (state->Stale())
            notices.prepend(QStringLiteral("结果已过期：计算之后数据或规格已更改，本报告的结果不属于当前的数据"));
        return notices;
    }
    QStringList notices;
    if (const TarryCpk* record = CurrentCpk())
        for (const std::string& notice : ComputeNotices(form, record->Value))
            notices << QString::fromStdString(notice);
    return notices;
}

TReportTable ReportTable(const TTextTable& table)
{
    TReportTable converted{QString::fromStdString(table.Title), {}, {}};
    for (const std::string& head : table.Header)
        converted.Header << QString::fromStdString(head);
    for (const auto& row : table.Rows) {
        QStringList& cells = converted.Rows.emplace_back();
        for (const std::string& cell : row)
            cells << QString::fromStdString(cell);
    }
    return converted;
}

}  // namespace

TReportContent FormReportContent(TForm1& form, const TStudyInfo& study, const TExtendedResult* extended)
{
    TReportContent content;
    content.Study = study;
    if (content.Study[TStudyField::Date].isEmpty())
        content.Study[TStudyField::Date] = QDate::currentDate().toString(Qt::ISODate);

    for (const TWindowField* field : WindowFields())
        if (field->Role != TFieldRole::Memo)
            content.Texts.insert(Q(field->Control), QString::fromStdString(form.Text(*field)));
    for (const TWindowField* field :
         {&Field::ClassValues, &Field::Frequencies, &Field::OverallCurve, &Field::WithinCurve, &Field::SubgroupSums,
          &Field::SubgroupMeans, &Field::SubgroupRanges, &Field::KeyValues})
        content.Memos.push_back({Q(field->Label), form.Memo(Q(field->Control))->Lines()});
    content.Readings = Readings(form);
    content.Notices = Notices(form);

    for (const TWindowChart* chart : WindowCharts()) {
        TChartControl* control = form.Chart(Q(chart->Control));
        content.Charts.push_back({chart->Title.empty() ? Q(chart->Label) : QString(), &control->Chart(),
                                  control->width(), control->height()});
    }

    if (extended) {
        for (const TTextTable& table :
             {IndicesTable(*extended), PpmTable(*extended), NormalityTable(*extended), RunTestsTable(*extended)})
            content.Extended.push_back(ReportTable(table));
        for (const std::string& message : extended->Messages)
            content.ExtendedMessages << QString::fromStdString(message);
    }
    return content;
}
