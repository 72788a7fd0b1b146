#pragma once
// The report on pages: portrait A4, or Letter where the locale's paper is
// Letter; the title and "第 N 页 共 M 页" on every page. One painting for the
// PDF file and the printer.
#include <QByteArray>
#include <QPageLayout>

#include <QString>

class QPagedPaintDevice;
class QPrinter;
struct TReportContent;

QPageLayout ReportPageLayout();

// False when the device cannot be painted on (a printer that cannot start).
bool PaintReport(const TReportContent& content, QPagedPaintDevice& device);

// The report as a PDF file's contents; creator names the program that made it.
QByteArray ReportPdf(const TReportContent& content, const QString& creator);

// The printer keeps what its dialog set; only the page starts as the report's.
void PrepareReportPrinter(QPrinter& printer, const QString& creator);
// Throws when the printer cannot start, naming it.
void PrintReport(const TReportContent& content, QPrinter& printer);
