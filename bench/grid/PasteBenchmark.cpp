// Ctrl+V of 10 MB clipboard texts into the 5 x 10 grid as the key does it:
// the block measured, the enlarge question answered with the plain paste, one
// undo step (target: under 100 ms). Beside it the splitter alone, the copy of
// the grid and the repaint after a 10 MB cell. Before each paste the cells it
// writes are emptied, untimed, as a paste usually meets other texts: the same
// 10 MB pasted over itself would also compare 20 MB to find that nothing
// changes.
#include <QApplication>
#include <QClipboard>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "ClipboardText.h"
#include "GridCommands.h"
#include "StringGrid.h"

namespace {

constexpr int TenMegabytes = 10 * 1024 * 1024;

// Clipboard texts of about 10 MB (UTF-8 on the wire) in three shapes.
QString BigText(int shape)
{
    QString text;
    text.reserve(TenMegabytes);
    switch (shape) {
    case 0:  // one line of fields
        while (text.size() < TenMegabytes)
            text += QStringLiteral("26.39\t");
        break;
    case 1:  // many short lines
        while (text.size() < TenMegabytes)
            text += QStringLiteral("26.39\t27.41\t28.11\t24.06\t25.88\r\n");
        break;
    default:  // one quoted field that never closes
        text += QLatin1Char('"');
        while (text.size() < TenMegabytes)
            text += QStringLiteral("a b\t\"\"");
        break;
    }
    return text;
}

// The undo steps go too: each would keep its 10 MB text, and every paste
// would then write into memory fresh from the system.
void EmptyPastedCells(TStringGrid& grid)
{
    grid.UndoStack()->clear();
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCells(col, row, QString());
}

const char* ShapeName(int shape) { return shape == 0 ? "one line" : shape == 1 ? "many lines" : "open quote"; }

void BM_CtrlVTenMegabytes(benchmark::State& state)
{
    const QString text = BigText(static_cast<int>(state.range(0)));
    QApplication::clipboard()->setText(text);
    TStringGrid grid;
    for (auto _ : state) {
        state.PauseTiming();
        EmptyPastedCells(grid);
        state.ResumeTiming();
        grid.AsOneStep(QStringLiteral("粘贴"),
                       [&grid] { PasteClipboardIntoGrid(grid, [](const QString&) { return false; }); });
    }
    state.SetLabel(ShapeName(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_CtrlVTenMegabytes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_SplitTenMegabytes(benchmark::State& state)
{
    const QString text = BigText(static_cast<int>(state.range(0)));
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitClipboardText(view, 10, 5));
    state.SetLabel(ShapeName(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_SplitTenMegabytes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_CopyFullGrid(benchmark::State& state)
{
    TStringGrid grid;
    grid.SetRowCount(static_cast<int>(state.range(0)));
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < 5; ++col)
            grid.SetCells(col, row, QStringLiteral("26.39"));
    for (auto _ : state)
        CopyGridToClipboard(grid);
}
BENCHMARK(BM_CopyFullGrid)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

// Repaint of the grid after a 10 MB field was pasted into one cell.
void BM_PaintGridWithTenMegabyteCell(benchmark::State& state)
{
    TStringGrid grid;
    grid.resize(345, 265);
    grid.SetCells(0, 0, BigText(2));
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.grab());
}
BENCHMARK(BM_PaintGridWithTenMegabyteCell)->Unit(benchmark::kMillisecond);

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
