#pragma once
// The results of the window as a table: every result field with its column
// heading and label in the window's reading order, then each memo's lines
// under its heading. For the clipboard as tab-separated text and HTML.
#include <QList>
#include <QString>
#include <QStringList>

class TForm1;

// Rows of cells: {heading, label, value} for the fields; then, after an
// empty row, each memo's heading and its lines one per row.
QList<QStringList> ResultsTableRows(const TForm1& form);

// Cells separated by tabs, rows ended by CR LF; a tab or line break inside a
// cell becomes a blank so that the table keeps its shape.
QString ResultsTableText(const QList<QStringList>& rows);
QString ResultsTableHtml(const QList<QStringList>& rows);

// 复制结果: both forms on the clipboard.
void CopyResultsToClipboard(const TForm1& form);
