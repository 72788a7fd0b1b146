#pragma once
// A chart inside the report's text document: an object of the chart's size
// that the chart component draws through its canvas when the page is
// painted, so the chart stays a vector drawing with real text.
#include <QObject>
#include <QTextObjectInterface>

#include <vector>

class QTextCursor;
class TChart;

class TReportChartObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // Registers itself with the document's layout; the document owns it.
    explicit TReportChartObject(QTextDocument& document);

    // Inserts the chart at the cursor, laid out at width x height pixels.
    void Insert(QTextCursor& cursor, TChart& chart, int width, int height);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    std::vector<TChart*> charts_;
};
