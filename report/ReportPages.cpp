#include "ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>

#include "Errors.h"
#include "ReportContent.h"
#include "ReportDocument.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// Everything is laid out in the window's pixels, so the charts draw as on the form.
constexpr int DotsPerInch = 96;
constexpr qreal HeaderHeight = 30;
constexpr qreal FooterHeight = 26;

// Where Letter is the paper in the shops: North and Central America, the
// Philippines and the Andes.
QPageSize::PageSizeId LocalePaper()
{
    using T = QLocale::Territory;
    static const T letter[] = {T::UnitedStates, T::Canada,    T::Mexico,     T::Philippines,
                               T::Chile,        T::Colombia,  T::Venezuela,  T::CostaRica,
                               T::Guatemala,    T::Panama,    T::PuertoRico, T::DominicanRepublic,
                               T::ElSalvador,   T::Nicaragua, T::Honduras,   T::Belize};
    const T territory = QLocale::system().territory();
    return std::find(std::begin(letter), std::end(letter), territory) != std::end(letter) ? QPageSize::Letter
                                                                                          : QPageSize::A4;
}

QFont FrameFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

// The title above the body and the page number below it.
void PaintFrame(QPainter& painter, const QSizeF& page, const QString& title, int number, int count)
{
    painter.save();
    painter.setFont(FrameFont());
    painter.setPen(QColor(70, 70, 70));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF header(0, 0, page.width(), HeaderHeight - 8);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                     metrics.elidedText(title, Qt::ElideRight, header.width()));
    painter.drawLine(QPointF(0, HeaderHeight - 4), QPointF(page.width(), HeaderHeight - 4));
    const QRectF footer(0, page.height() - FooterHeight + 6, page.width(), FooterHeight - 6);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, U("第 %1 页 共 %2 页").arg(number).arg(count));
    painter.restore();
}

}  // namespace

QPageLayout ReportPageLayout()
{
    return QPageLayout(QPageSize(LocalePaper()), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                       QPageLayout::Millimeter);
}

bool PaintReport(const TReportContent& content, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The device's size is that of the page inside its margins.
    const QSizeF page(device.width(), device.height());
    const QSizeF body(page.width(), page.height() - HeaderHeight - FooterHeight);
    const std::unique_ptr<QTextDocument> document = BuildReportDocument(content, body);
    const QString title = ReportTitle(content);
    const int pages = document->pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device.newPage();
        PaintFrame(painter, page, title, index + 1, pages);
        painter.save();
        painter.translate(0, HeaderHeight - index * body.height());
        const QRectF shown(0, index * body.height(), body.width(), body.height());
        painter.setClipRect(shown);
        // What starts exactly where the next page starts belongs to that page.
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown.adjusted(0, 0, 0, -0.5);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

QByteArray ReportPdf(const TReportContent& content, const QString& creator)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(DotsPerInch);
        pdf.setTitle(ReportTitle(content).left(200));
        pdf.setCreator(creator);
        pdf.setPageLayout(ReportPageLayout());
        PaintReport(content, pdf);
    }
    return bytes;
}

void PrepareReportPrinter(QPrinter& printer, const QString& creator)
{
    printer.setDocName(U("过程能力研究报告"));
    printer.setCreator(creator);
    printer.setPageLayout(ReportPageLayout());
}

void PrintReport(const TReportContent& content, QPrinter& printer)
{
    printer.setResolution(DotsPerInch);
    if (!PaintReport(content, printer)) {
        const QString name = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw Exception(U("无法打印到“%1”").arg(name).toStdString());
    }
}
