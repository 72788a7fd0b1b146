// Painting a 772 x 190 chart into an image through the QPainter canvas:
// (a) a fast line of 10,000 to 10,000,000 points, (b) 12 bars with marks and
// six line series, (c) an empty chart; and, as the physical reference in the
// same run, QPainter::drawPolyline of the same points (the pixels the chart
// computes) into the same image, drawn over the same chart's frame (its
// title, axes and labels, painted from a two-point line of the same range).
// Target: (a) at most 1.15 times that reference.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

#include "BarSeries.h"
#include "Chart.h"
#include "ChartRendering.h"
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
    // The same chart whose line has only the corners of the data's range:
    // the same axes and labels, next to no line.
    TChart Frame;
    TFastLineSeries& FrameLine = Frame.CreateSeries<TFastLineSeries>("FastLineSeries4");
    explicit TFastLineChart(int count)
    {
        LayOut(Chart);
        Line.SetParentChart(&Chart);
        Line.SetSeriesColor(clBlue);
        double low = NoisyValue(0), high = low;
        for (int i = 0; i < count; ++i) {
            const double value = NoisyValue(i);
            Line.AddPoint(i, value);
            low = std::min(low, value);
            high = std::max(high, value);
        }
        LayOut(Frame);
        FrameLine.SetParentChart(&Frame);
        FrameLine.SetSeriesColor(clBlue);
        FrameLine.AddPoint(0, low);
        FrameLine.AddPoint(count - 1, high);
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
// The points the chart computes for its line, as one polygon.
static QPolygon LinePolygon(TFastLineChart& fixture, const TChartLayout& layout)
{
    const auto count = static_cast<int>(fixture.Line.Count());
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) {
        const TPoint point = fixture.Line.PointPixel(layout, static_cast<std::size_t>(i));
        polygon[i] = QPoint(point.X, point.Y);
    }
    return polygon;
}

// The reference: drawPolyline with the pen the canvas sets for a one-pixel
// line, clipped to the plot rectangle as the chart clips when clip is true.
static void DrawReference(const TChartLayout& layout, const QPolygon& polygon, QImage& image, bool clip)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::blue, 1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    if (clip) {
        const TRect& plot = layout.PlotRect;
        painter.setClipRect(QRect(plot.Left, plot.Top, plot.Width(), plot.Height() + 1));
    }
    painter.drawPolyline(polygon);
}

static void BM_ReferenceDrawPolyline(benchmark::State& state)
{
    TFastLineChart& fixture = FastLineChart(static_cast<int>(state.range(0)));
    QImage image(Width, Height, QImage::Format_RGB32);
    const TChartLayout layout = LayOutChart(fixture.Chart, Width, Height);
    const QPolygon polygon = LinePolygon(fixture, layout);
    for (auto _ : state)
        DrawReference(layout, polygon, image, state.range(1) != 0);
}

// Each iteration paints the chart and draws its reference side by side, so
// that the ratio (the counter) sees the same machine for both. The chart's
// frame alone is timed too: "polyline_ratio" leaves it out of the reference.
static void BM_FastLineAgainstPolyline(benchmark::State& state)
{
    TFastLineChart& fixture = FastLineChart(static_cast<int>(state.range(0)));
    QImage image(Width, Height, QImage::Format_RGB32);
    const TChartLayout layout = LayOutChart(fixture.Chart, Width, Height);
    const QPolygon polygon = LinePolygon(fixture, layout);
    double paintSeconds = 0, frameSeconds = 0, polylineSeconds = 0;
    const auto timed = [](double& seconds, auto&& work) {
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    for (auto _ : state) {
        timed(paintSeconds, [&] { PaintOnce(fixture.Chart, image); });
        timed(frameSeconds, [&] { PaintOnce(fixture.Frame, image); });
        timed(polylineSeconds, [&] { DrawReference(layout, polygon, image, true); });
    }
    state.counters["ratio"] = paintSeconds / (frameSeconds + polylineSeconds);
    state.counters["polyline_ratio"] = paintSeconds / polylineSeconds;
}

static void RegisterFastLinePairs()
{
    for (int count : {10000, 100000, 1000000, 10000000}) {
        benchmark::RegisterBenchmark("BM_FastLineAgainstPolyline", BM_FastLineAgainstPolyline)
            ->Arg(count)
            ->Unit(benchmark::kMillisecond);
    }
    // The chart alone and the reference alone, unclipped too, for the shares.
    benchmark::RegisterBenchmark("BM_PaintFastLine", BM_PaintFastLine)->Arg(1000000)->Unit(benchmark::kMillisecond);
    for (int clip : {1, 0})
        benchmark::RegisterBenchmark("BM_ReferenceDrawPolyline", BM_ReferenceDrawPolyline)
            ->Args({1000000, clip})
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
