#include "ReportPage.h"

#include <QBuffer>
#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

#include <cstdint>

#ifdef __GLIBC__
#include <langinfo.h>
#endif

#include "Errors.h"
#include "ExportInfo.h"
#include "WidgetOntoPainter.h"

namespace {

// The page is laid out in the window's pixels, 96 per inch, whatever the
// device's resolution.
constexpr double WindowDotsPerInch = 96.0;
constexpr int HeadingHeight = 30;

QPageSize::PageSizeId LocalePaper()
{
#ifdef __GLIBC__
    // The paper of LC_PAPER: its width in millimetres (Letter is 216).
    const auto width = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    if (width == 216)
        return QPageSize::Letter;
    if (width != 0)
        return QPageSize::A4;
#endif
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QFont HeadingFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QPageLayout ReportPageLayout()
{
    return QPageLayout(QPageSize(LocalePaper()), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

bool PaintReportPage(QWidget& form, QPagedPaintDevice& device, const QDateTime& created)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The device's size is that of the page inside its margins.
    const double toDeviceX = device.logicalDpiX() / WindowDotsPerInch;
    const double toDeviceY = device.logicalDpiY() / WindowDotsPerInch;
    painter.scale(toDeviceX, toDeviceY);
    const QRectF room(0, 0, device.width() / toDeviceX, device.height() / toDeviceY);

    painter.setPen(Qt::black);
    painter.setFont(HeadingFont(18, true));
    const QRectF heading(room.left(), room.top(), room.width(), HeadingHeight);
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter, ApplicationDocumentTitle());
    painter.setFont(HeadingFont(11, false));
    painter.drawText(heading, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("创建时间：") + QLocale::c().toString(created, QStringLiteral("yyyy-MM-dd HH:mm")));

    // The form at the largest scale that fits below the heading.
    const QRectF below(room.left(), room.top() + HeadingHeight, room.width(), room.height() - HeadingHeight);
    const double scale = qMin(below.width() / form.width(), below.height() / form.height());
    painter.translate(below.left() + (below.width() - form.width() * scale) / 2, below.top());
    painter.scale(scale, scale);
    RenderWidgetOnto(form, painter);
    painter.end();
    return true;
}

QByteArray ReportPdf(QWidget& form, const QDateTime& created)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(ApplicationDocumentTitle());
        pdf.setCreator(ApplicationCreator());
        pdf.setPageLayout(ReportPageLayout());
        PaintReportPage(form, pdf, created);
    }
    return bytes;
}

void PrepareReportPrinter(QPrinter& printer)
{
    printer.setDocName(ApplicationDocumentTitle());
    printer.setCreator(ApplicationCreator());
    printer.setPageLayout(ReportPageLayout());
}

void PrintReport(QWidget& form, QPrinter& printer, const QDateTime& created)
{
    if (!PaintReportPage(form, printer, created)) {
        const QString name = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw Exception(QStringLiteral("无法打印到“%1”").arg(name).toStdString());
    }
}
