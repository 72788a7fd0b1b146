// Adding points in ascending X costs constant time per point: the insertion
// walks back from the end. The complexity fit over 10^4 .. 10^6 points shows it.
#include <benchmark/benchmark.h>

#include "Chart.h"
#include "FastLineSeries.h"
#include "RecordingCanvas.h"

static void BM_AddPointsAscending(benchmark::State& state)
{
    const auto count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TChart chart;
        auto& line = chart.CreateSeries<TFastLineSeries>();
        line.SetParentChart(&chart);
        for (int i = 0; i < count; ++i)
            line.AddPoint(i, i % 97);
        benchmark::DoNotOptimize(line.Count());
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_AddPointsAscending)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// Layout and drawing calls of a 1,000,000-point fast line on the recording
// canvas: the engine's own share of a paint, without pixels.
static void BM_LayOutFastLineRecording(benchmark::State& state)
{
    TChart chart;
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    for (int i = 0; i < 1000000; ++i)
        line.AddPoint(i, static_cast<unsigned>(i) * 7919u % 1000u / 10.0);
    for (auto _ : state) {
        TRecordingCanvas canvas;
        chart.Paint(canvas, 772, 190);
        benchmark::DoNotOptimize(canvas.Ops().size());
    }
}
BENCHMARK(BM_LayOutFastLineRecording)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
