// Opening a workbook of 100,000 cells (20,000 rows of five readings) for the
// grid — reading, guessing, choosing the cells — against its floor: inflating
// the sheet's XML alone, without parsing it. Target: under 1 s.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <unzip.h>

#include <string>
#include <vector>

#include "DataFile.h"
#include "ImportChoice.h"
#include "WorkbookFixtures.h"
#include "ZipArchive.h"

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
        TZipArchive zip(Workbook(), "不是有效的 XLSX 文件");
        zip.Select(QStringLiteral("xl/worksheets/sheet1.xml"));
        unzOpenCurrentFile(zip.Handle());
        std::vector<char> piece(1 << 16);
        long long bytes = 0;
        for (int read; (read = unzReadCurrentFile(zip.Handle(), piece.data(), unsigned(piece.size()))) > 0;)
            bytes += read;
        unzCloseCurrentFile(zip.Handle());
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(UnzipSheetAlone)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
