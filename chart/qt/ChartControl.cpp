#include "ChartControl.h"

#include <QPainter>

#include "QtCanvas.h"

TChartControl::TChartControl(QWidget* parent) : QWidget(parent)
{
    chart_.SetOnInvalidate([this] { update(); });
}

void TChartControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TQtCanvas canvas(painter);
    try {
        chart_.Paint(canvas, width(), height());
    } catch (const std::exception&) {
        // An exception may not leave a paint event; what was drawn stays and
        // the next change paints again.
    }
}

QImage PaintChartImage(TChart& chart, int width, int height)
{
    QImage image(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    chart.Paint(canvas, width, height);
    return image;
}
