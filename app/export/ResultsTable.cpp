#include "ResultsTable.h"

#include <QLineEdit>
#include <QRegularExpression>

#include "FormControls.h"
#include "SystemClipboard.h"
#include "Unit1.h"
#include "WindowFields.h"

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString FlatCell(QString cell)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    return cell.replace(breaks, QStringLiteral(" "));
}

}  // namespace

QList<QStringList> ResultsTableRows(const TForm1& form)
{
    // The field table is in the window's reading order. The display-only
    // subgroup size is left out: it could contradict the size the results used.
    QList<QStringList> rows;
    for (const TWindowField* field : WindowFields())
        if (field->Role == TFieldRole::Input || field->Role == TFieldRole::Result)
            rows.append({FromUtf8(field->Label), QString::fromStdString(form.Text(*field)).trimmed()});
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Memo)
            continue;
        rows.append(QStringList());
        rows.append({FromUtf8(field->Label)});
        for (const QString& line : form.Memo(FromUtf8(field->Control))->Lines())
            rows.append({line});
    }
    return rows;
}

QString ResultsTableText(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << FlatCell(cell);
        text += cells.join(QLatin1Char('\t')) + QLatin1String("\r\n");
    }
    return text;
}

QString ResultsTableHtml(const QList<QStringList>& rows)
{
    QString html = QStringLiteral("<table>");
    for (const QStringList& row : rows) {
        html += QLatin1String("<tr>");
        for (const QString& cell : row)
            html += QLatin1String("<td>") + cell.toHtmlEscaped() + QLatin1String("</td>");
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table>");
}

void CopyResultsToClipboard(const TForm1& form)
{
    const QList<QStringList> rows = ResultsTableRows(form);
    WriteClipboardTextAndHtml(ResultsTableText(rows), ResultsTableHtml(rows));
}
