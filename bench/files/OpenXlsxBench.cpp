// Opening a workbook of 100,000 cells (20,000 rows of five readings) for the
// grid — reading, guessing, choosing the cells — against its floor: inflating
// the sheet's XML alone, without parsing it. Target: under 1 s.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <quazip.h>
#include <quazipfile.h>

#include <string>

#include "DataFile.h"
#include "ImportChoice.h"
#include "WorkbookFixtures.h"

namespace {

const std::string& Workbook()
{
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string file = dir.filePath(QStringLiteral("100k.xlsx")).toStdString();
        TSheetRows rows;
        rows.push_back({"X1", "X2", "X3", "X4", "X5"});
        for (int r = 0; r < 19999; ++r) {
            auto& row = rows.emplace_back();
            for (int c = 0; c < 5; ++c)
                row.push_back(std::to_string(20 + (r * 7 + c * 13) % 1000 / 100.0));
        }
        WriteXlsx(file, {{"测量", rows}});
        return file;
    }();
    return path;
}

void OpenXlsx(benchmark::State& state)
{
    for (auto _ : state) {
        TDataFileRequest request;
        request.Path = Workbook();
        const TDataFile file = ReadDataFile(request);
        const auto cells = ChosenCells(file.Table, GuessImport(file.Table, "."), ".", ".");
        benchmark::DoNotOptimize(cells.data());
    }
    state.counters["cells"] = 100000;
}
BENCHMARK(OpenXlsx)->Unit(benchmark::kMillisecond);

void UnzipSheetAlone(benchmark::State& state)
{
    for (auto _ : state) {
        QuaZip zip(QString::fromStdString(Workbook()));
        zip.open(QuaZip::mdUnzip);
        zip.setCurrentFile(QStringLiteral("xl/worksheets/sheet1.xml"));
        QuaZipFile sheet(&zip);
        sheet.open(QIODevice::ReadOnly);
        qint64 bytes = 0;
        while (true) {
            const QByteArray piece = sheet.read(1 << 16);
            if (piece.isEmpty())
                break;
            bytes += piece.size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(UnzipSheetAlone)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
