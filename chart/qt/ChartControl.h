#pragma once
// A chart control of the window: a widget that owns a chart, paints it on
// every paint event and schedules a repaint whenever the chart changes. The
// drawing itself is the chart rendering's, which needs no widget.
#include <QWidget>

#include "Chart.h"
#include "ChartRendering.h"

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
