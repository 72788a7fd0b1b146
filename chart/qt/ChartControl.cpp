#include "ChartControl.h"

#include <QPainter>

TChartControl::TChartControl(QWidget* parent) : QWidget(parent)
{
    chart_.SetOnInvalidate([this] { update(); });
}

void TChartControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    RenderChart(chart_, painter, width(), height());
}
