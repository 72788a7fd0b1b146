// Painting a 772 x 190 chart into an image through the QPainter canvas:
// (a) a fast line of 10,000 to 10,000,000 points, (b) 12 bars with marks and
// six line series, (c) an empty chart; and, as the physical reference in the
// same run, QPainter::drawPolyline of the same points (the pixels the chart
// computes) into the same image. Target: (a) at most 1.15 times the clipped
// reference of the same size.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <map>
#include <memory>

#include "BarSeries.h"
#include "Chart.h"
#include "CustomSeries.h"
#include "FastLineSeries.h"
#include "QtCanvas.h"

namespace {

constexpr int Width = 772;
constexpr int Height = 190;

double NoisyValue(int i) { return 20 + ((static_cast<unsigned>(i) * 2654435761u) >> 20) % 1000 / 100.0; }

void LayOut(TChart& chart)
{
    chart.SetColor(clWhite);
    chart.SetView3D(false);
    chart.SetLegendVisible(false);
    chart.Title().SetText({"均值控制图"});
}

void PaintOnce(TChart& chart, QImage& image)
{
    QPainter painter(&image);
    TQtCanvas canvas(painter);
    chart.Paint(canvas, Width, Height);
}

struct TFastLineChart {
    TChart Chart;
    TFastLineSeries& Line = Chart.CreateSeries<TFastLineSeries>("FastLineSeries4");
    explicit TFastLineChart(int count)
    {
        LayOut(Chart);
        Line.SetParentChart(&Chart);
        Line.SetSeriesColor(clBlue);
        for (int i = 0; i < count; ++i)
            Line.AddPoint(i, NoisyValue(i));
    }
};

// One chart per size, built once for the line and its reference.
TFastLineChart& FastLineChart(int count)
{
    static std::map<int, std::unique_ptr<TFastLineChart>> charts;
    auto& chart = charts[count];
    if (!chart)
        chart = std::make_unique<TFastLineChart>(count);
    return *chart;
}

}  // namespace

static void BM_PaintFastLine(benchmark::State& state)
{
    TFastLineChart& fixture = FastLineChart(static_cast<int>(state.range(0)));
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state)
        PaintOnce(fixture.Chart, image);
}
// With clip 1, the reference clips to the plot rectangle as the chart does.
static void BM_ReferenceDrawPolyline(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const bool clip = state.range(1) != 0;
    TFastLineChart& fixture = FastLineChart(count);
    QImage image(Width, Height, QImage::Format_RGB32);
    PaintOnce(fixture.Chart, image);  // lays the chart out for the mapping
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) {
        const TPoint point = fixture.Line.PointPixel(static_cast<std::size_t>(i));
        polygon[i] = QPoint(point.X, point.Y);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        // The pen the canvas sets for a one-pixel line.
        QPen pen(Qt::blue, 1);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        if (clip) {
            const TRect& plot = fixture.Chart.PlotRect();
            painter.setClipRect(QRect(plot.Left, plot.Top, plot.Width(), plot.Height() + 1));
        }
        painter.drawPolyline(polygon);
    }
}

static void RegisterFastLinePairs()
{
    for (int count : {10000, 100000, 1000000, 10000000}) {
        benchmark::RegisterBenchmark("BM_PaintFastLine", BM_PaintFastLine)->Arg(count)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_ReferenceDrawPolyline", BM_ReferenceDrawPolyline)
            ->Args({count, 1})
            ->Unit(benchmark::kMillisecond);
    }
    // Unclipped, for the share of the clipping in the reference.
    benchmark::RegisterBenchmark("BM_ReferenceDrawPolyline", BM_ReferenceDrawPolyline)
        ->Args({1000000, 0})
        ->Unit(benchmark::kMillisecond);
}

static void BM_PaintBarsWithMarksAndSixLines(benchmark::State& state)
{
    TChart chart;
    LayOut(chart);
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    bars.Marks().SetTransparent(true);
    bars.Marks().SetArrowLength(5);
    bars.SetSeriesColor(15453831);
    const int frequencies[12] = {0, 3, 3, 12, 3, 1, 2, 1, 0, 0, 0, 0};
    for (int i = 0; i < 12; ++i)
        bars.AddPoint(23 + 1.227 * i, frequencies[i], frequencies[i] ? "" : " ", 15453831);
    for (int k = 0; k < 6; ++k) {
        auto& line = chart.CreateSeries<TLineSeries>();
        line.Marks().SetVisible(true);
        line.Marks().SetTransparent(true);
        line.SetParentChart(&chart);
        line.AddPoint(24 + 2 * k, 0, " ", clRed);
        line.AddPoint(24 + 2 * k, 10.8, "Target", clRed);
        line.LinePen().SetWidth(2);
        if (k < 3)
            line.LinePen().SetStyle(psDash);
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state)
        PaintOnce(chart, image);
}
BENCHMARK(BM_PaintBarsWithMarksAndSixLines)->Unit(benchmark::kMicrosecond);

static void BM_PaintEmptyChart(benchmark::State& state)
{
    TChart chart;
    LayOut(chart);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state)
        PaintOnce(chart, image);
}
BENCHMARK(BM_PaintEmptyChart)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RegisterFastLinePairs();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
