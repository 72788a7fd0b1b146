#include "ChartControl.h"

#include <QPainter>

#include "QtCanvas.h"

TChartControl::TChartControl(QWidget* parent) : QWidget(parent)
{
    chart_.SetOnInvalidate([this] { update(); });
}

namespace {

// An exception may not leave a paint, on the screen or into an image; what
// was drawn stays and the next change paints again.
void PaintGuarded(TChart& chart, QPainter& painter, int width, int height)
{
    TQtCanvas canvas(painter);
    try {
        chart.Paint(canvas, width, height);
    } catch (const std::exception&) {
    }
}

}  // namespace

void TChartControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintGuarded(chart_, painter, width(), height());
}

QImage PaintChartImage(TChart& chart, int width, int height)
{
    QImage image(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintGuarded(chart, painter, width, height);
    return image;
}
