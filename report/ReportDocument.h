#pragma once
// The report as a text document, paginated for a page body of the given size
// in pixels of 96 per inch: page 1 the study
// information, the specification, the capability with the grades of its CPKs
// and the compute's notices; then the four charts as vector drawings, the
// extended analysis when there is one, every reading in the grid's layout
// and every memo line.
#include <QSizeF>
#include <QString>

#include <memory>

class QTextDocument;
struct TReportContent;

// One line: the report's name, then the part and the characteristic studied.
QString ReportTitle(const TReportContent& content);

std::unique_ptr<QTextDocument> BuildReportDocument(const TReportContent& content, const QSizeF& body);
