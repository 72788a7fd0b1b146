#pragma once
// A chart control of the window: a widget that owns a chart, paints it on
// every paint event and schedules a repaint whenever the chart changes.
#include <QImage>
#include <QWidget>

#include "Chart.h"

class TChartControl : public QWidget {
    Q_OBJECT
public:
    explicit TChartControl(QWidget* parent = nullptr);

    TChart& Chart() { return chart_; }
    const TChart& Chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TChart chart_;
};

// Paints the chart at the given size into an image (white where nothing is
// drawn); afterwards the chart's run-time layout is that of this size.
QImage PaintChartImage(TChart& chart, int width, int height);
