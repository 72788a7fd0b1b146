#include "WindowDump.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>

#include "ChartControl.h"
#include "ChartDump.h"
#include "ExtendedJson.h"
#include "ExtendedWindow.h"
#include "FormControls.h"
#include "FormLayout.h"
#include "ResultsState.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

QJsonObject DumpGrid(const TStringGrid& grid)
{
    QJsonArray cells;
    for (const TStoredCell& cell : grid.StoredCells())
        cells.append(QJsonArray{cell.Col, cell.Row, cell.Text});
    return {
        {QStringLiteral("colCount"), grid.ColCount()},
        {QStringLiteral("rowCount"), grid.RowCount()},
        {QStringLiteral("current"), QJsonArray{grid.Col(), grid.Row()}},
        {QStringLiteral("cells"), cells},
    };
}

}  // namespace

QJsonObject DumpWindow(const TForm1& form, const QJsonArray& errors)
{
    QJsonObject edits, labels, memos, buttons, geometry, tabOrder;
    for (const TControlSpec& control : FormControls()) {
        const QString name = QString::fromUtf8(control.Name);
        const QWidget* widget = form.Control(name);
        switch (control.Kind) {
        case TControlKind::Edit: edits[name] = form.Edit(name)->text(); break;
        case TControlKind::Label: labels[name] = form.Label(name)->Caption(); break;
        case TControlKind::Memo: memos[name] = QJsonArray::fromStringList(form.Memo(name)->Lines()); break;
        case TControlKind::Button:
            buttons[name] = QJsonObject{{QStringLiteral("caption"), form.Button(name)->text()},
                                        {QStringLiteral("visible"), !widget->isHidden()}};
            break;
        case TControlKind::Grid:
        case TControlKind::Chart: break;
        }
        const QRect place = widget->geometry();
        geometry[name] = QJsonArray{place.left(), place.top(), place.width(), place.height()};
        if (control.TabOrder >= 0)
            tabOrder[name] = control.TabOrder;
    }
    QJsonObject charts;
    for (const TControlSpec& control : FormControls()) {
        if (control.Kind != TControlKind::Chart)
            continue;
        const QString name = QString::fromUtf8(control.Name);
        // The dump carries what a paint at the chart's window size computes.
        TChartControl* chart = form.Chart(name);
        charts[name] = ChartDumpJson(chart->Chart(), LayOutChart(chart->Chart(), chart->width(), chart->height()));
    }
    QJsonObject dump{
        {QStringLiteral("charts"), charts},
        {QStringLiteral("edits"), edits},
        {QStringLiteral("labels"), labels},
        {QStringLiteral("memos"), memos},
        {QStringLiteral("buttons"), buttons},
        {QStringLiteral("grid"), DumpGrid(*form.StringGrid1())},
        {QStringLiteral("geometry"), geometry},
        {QStringLiteral("tabOrder"), tabOrder},
        {QStringLiteral("clipboard"), QApplication::clipboard()->text()},
        {QStringLiteral("errors"), errors},
        {QStringLiteral("focus"), QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()},
    };
    if (const TResultsState* state = TResultsState::Of(form)) {
        dump[QStringLiteral("stale")] = state->Stale();
        dump[QStringLiteral("notices")] = QJsonArray::fromStringList(state->Notices());
    }
    if (const TExtendedWindow* extended = OpenExtendedWindow(form))
        dump[QStringLiteral("extended")] =
            QJsonDocument::fromJson(QByteArray::fromStdString(ExtendedJson(extended->Result()))).object();
    return dump;
}
