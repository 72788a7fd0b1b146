// The grid enlarged by a paste of 100,000 values, through the real window:
// enlarge and paste (target: under 200 ms), undo of that paste (under 100 ms),
// and the compute command on it with memos filled and the charts painted
// (under 1 s). The 50-value paste into the untouched grid is the floor the
// figures are read against.
#include <QApplication>
#include <QClipboard>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include "GridCommands.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

// rows lines of five readings around 25.
QString Readings(int rows)
{
    QString text;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < 5; ++col)
            text += QStringLiteral("%1.%2\t").arg(23 + (row + col) % 5).arg((row * 7 + col * 13) % 100);
        text += QLatin1String("\r\n");
    }
    return text;
}

const auto Enlarge = [](const QString&) { return true; };

void PasteAsOneStep(TStringGrid& grid)
{
    grid.AsOneStep(QStringLiteral("粘贴"), [&grid] { PasteClipboardIntoGrid(grid, Enlarge); });
}

void BM_PasteFiftyValuesFloor(benchmark::State& state)
{
    QApplication::clipboard()->setText(Readings(10));
    TStringGrid grid;
    for (auto _ : state)
        PasteAsOneStep(grid);
}
BENCHMARK(BM_PasteFiftyValuesFloor)->Unit(benchmark::kMillisecond);

void BM_EnlargeAndPasteHundredThousand(benchmark::State& state)
{
    QApplication::clipboard()->setText(Readings(20000));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TStringGrid>();
        grid->resize(345, 265);
        state.ResumeTiming();
        PasteAsOneStep(*grid);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnlargeAndPasteHundredThousand)->Unit(benchmark::kMillisecond);

void BM_UndoOfThatPaste(benchmark::State& state)
{
    QApplication::clipboard()->setText(Readings(20000));
    TStringGrid grid;
    grid.resize(345, 265);
    PasteAsOneStep(grid);
    for (auto _ : state) {
        grid.Undo();
        state.PauseTiming();
        grid.Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOfThatPaste)->Unit(benchmark::kMillisecond);

void BM_ComputeOnTheEnlargedGrid(benchmark::State& state)
{
    QApplication::clipboard()->setText(Readings(20000));
    TForm1 form;
    form.show();
    PasteAsOneStep(*form.StringGrid1());
    for (auto _ : state) {
        form.ClickButton(QStringLiteral("Button3"));
        // Memos and the four charts as they are painted on screen.
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_ComputeOnTheEnlargedGrid)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
