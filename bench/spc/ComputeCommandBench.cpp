// The whole compute command on a full grid of 50 readings (5 x 10), with the
// default limits and subgroup size, no chart displays attached.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ComputeCommand.h"
#include "MemoryWindow.h"

namespace {

void BM_ComputeCommandFullGrid(benchmark::State& state)
{
    TMemoryWindow window;
    std::vector<std::string> readings;
    for (int i = 0; i < 50; ++i)
        readings.push_back(std::to_string(23 + (i * 7) % 6) + "." + std::to_string(10 + (i * 13) % 90));
    window.LoadReadings(readings);
    for (auto _ : state) {
        RunComputeCommand(window, nullptr);
        benchmark::DoNotOptimize(CurrentCpk());
    }
}
BENCHMARK(BM_ComputeCommandFullGrid)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
