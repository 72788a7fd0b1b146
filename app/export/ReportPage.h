#pragma once
// The report: the whole form on one landscape page under a heading with the
// title and the creation time, drawn by the widgets themselves onto the page
// (vector where they draw vectors), for a PDF file or a printer.
#include <QByteArray>
#include <QDateTime>
#include <QPageLayout>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Landscape, A4 unless the locale's paper is Letter, 10 mm margins.
QPageLayout ReportPageLayout();

// Paints the report onto the device's current page; false when the device
// cannot be painted on (a printer that cannot start).
bool PaintReportPage(QWidget& form, QPagedPaintDevice& device, const QDateTime& created);

QByteArray ReportPdf(QWidget& form, const QDateTime& created);

// The printer keeps what its dialog set; only the page starts as the report's.
void PrepareReportPrinter(QPrinter& printer);
// Throws when the printer cannot start, naming it.
void PrintReport(QWidget& form, QPrinter& printer, const QDateTime& created);
