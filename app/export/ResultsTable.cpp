#include "ResultsTable.h"

#include <QLineEdit>
#include <QRegularExpression>

#include "FormControls.h"
#include "Unit1.h"
#include "grid/SystemClipboard.h"

namespace {

// A field and the labels the window shows it with. Heading is the column
// heading above it, if any.
struct TResultField {
    const char* Edit;
    const char* Heading;
    const char* Label;
};

// Row by row as the window shows them, left to right. Edit2 is left out: no
// command reads or writes it, so it could contradict the subgroup size used.
constexpr TResultField Fields[] = {
    {"Edit32", nullptr, "Label39"},
    {"Edit33", nullptr, "Label40"},
    {"Edit1", nullptr, "Label1"},
    {"Edit3", nullptr, "Label3"},    {"Edit4", nullptr, "Label4"},    {"Edit5", nullptr, "Label5"},
    {"Edit6", nullptr, "Label6"},    {"Edit7", nullptr, "Label7"},    {"Edit8", nullptr, "Label8"},
    {"Edit9", nullptr, "Label9"},    {"Edit10", nullptr, "Label10"},
    {"Edit11", "Label12", "Label11"}, {"Edit12", "Label14", "Label13"}, {"Edit31", "Label52", "Label34"},
    {"Edit13", "Label12", "Label15"}, {"Edit14", "Label14", "Label16"},
    {"Edit15", "Label12", "Label17"}, {"Edit16", "Label14", "Label18"},
    {"Edit17", "Label12", "Label19"}, {"Edit18", "Label14", "Label20"},
    {"Edit19", "Label12", "Label21"}, {"Edit20", "Label14", "Label22"},
    // The measured column has only its heading; its rows are those of the overall column beside it.
    {"Edit28", "Label12", "Label31"}, {"Edit22", "Label14", "Label24"}, {"Edit24", "Label26", "Label24"},
    {"Edit29", "Label12", "Label32"}, {"Edit23", "Label14", "Label25"}, {"Edit25", "Label26", "Label25"},
    {"Edit30", "Label12", "Label33"}, {"Edit26", "Label14", "Label28"}, {"Edit27", "Label26", "Label28"},
    {"Edit21", nullptr, "Label23"},
};

// The labels whose captions are themselves results (counts and percentages beyond the limits).
constexpr const char* ResultLabels[] = {"Label27", "Label29", "Label30"};

struct TMemoHeading {
    const char* Memo;
    const char* Heading;
};

constexpr TMemoHeading Memos[] = {
    {"Memo1", "Label35"}, {"Memo2", "Label36"}, {"Memo3", "Label37"}, {"Memo4", "Label38"},
    {"Memo6", "Label49"}, {"Memo7", "Label50"}, {"Memo8", "Label48"}, {"Memo5", "Label51"},
};

QString Name(const char* name) { return QString::fromLatin1(name); }

// A caption as a table cell: its lines joined by a blank, without the colon
// that leads to the field and without surrounding blanks.
QString LabelCell(const TForm1& form, const char* label)
{
    if (!label)
        return {};
    QString text = form.Label(Name(label))->Caption();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text = text.trimmed();
    while (text.endsWith(QChar(0xFF1A)) || text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString FlatCell(QString cell)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    return cell.replace(breaks, QStringLiteral(" "));
}

}  // namespace

QList<QStringList> ResultsTableRows(const TForm1& form)
{
    QList<QStringList> rows;
    for (const TResultField& field : Fields)
        rows.append({LabelCell(form, field.Heading), LabelCell(form, field.Label), form.Edit(Name(field.Edit))->text()});
    for (const char* label : ResultLabels)
        rows.append({LabelCell(form, "Label26"), QString(), form.Label(Name(label))->Caption().trimmed()});
    for (const TMemoHeading& memo : Memos) {
        rows.append(QStringList());
        rows.append({LabelCell(form, memo.Heading)});
        for (const QString& line : form.Memo(Name(memo.Memo))->Lines())
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
