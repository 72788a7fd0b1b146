#include "ReportChartObject.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include "ChartRendering.h"

namespace {

constexpr int ObjectType = QTextFormat::UserObject + 1;
enum TProperty { ChartIndex = QTextFormat::UserProperty + 1, Width, Height };

}  // namespace

TReportChartObject::TReportChartObject(QTextDocument& document) : QObject(&document)
{
    document.documentLayout()->registerHandler(ObjectType, this);
}

void TReportChartObject::Insert(QTextCursor& cursor, TChart& chart, int width, int height)
{
    QTextCharFormat format;
    format.setObjectType(ObjectType);
    format.setProperty(ChartIndex, int(charts_.size()));
    format.setProperty(Width, width);
    format.setProperty(Height, height);
    charts_.push_back(&chart);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

QSizeF TReportChartObject::intrinsicSize(QTextDocument*, int, const QTextFormat& format)
{
    return QSizeF(format.property(Width).toInt(), format.property(Height).toInt());
}

void TReportChartObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                                    const QTextFormat& format)
{
    const auto index = std::size_t(format.property(ChartIndex).toInt());
    // The chart clips itself and would draw past the page it is not on: it
    // is drawn only on the page that holds it whole.
    if (index >= charts_.size() || (painter->hasClipping() && !painter->clipBoundingRect().contains(rect)))
        return;
    painter->save();
    painter->translate(rect.topLeft());
    RenderChart(*charts_[index], *painter, format.property(Width).toInt(), format.property(Height).toInt());
    painter->restore();
}
