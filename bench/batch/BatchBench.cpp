// Times cpk-xr-batch on 1,000,000 readings (text, JSON, JSON with the chart
// points, the four charts as PNG) beside one plain scan of the same file and
// beside an awk pass that parses and sums it, and records the peak memory of
// the heaviest run at 250,000, 500,000 and 1,000,000 readings. Beside them,
// the compute command by itself on the same readings, in this process: a
// window that keeps no memo line, no chart displays. No batch run can be
// faster than that.
//   batch_bench BATCH [RUNS]
// Targets: text and JSON under 1 s, JSON at most three times the awk pass,
// with PNG charts under 2 s, peak memory under 500 MB and growing linearly.
// Exit status 1 when one is missed.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "BatchWindow.h"
#include "ComputeCommand.h"
#include "GridReader.h"

extern char** environ;

namespace {

struct TRun {
    double Seconds;
    double PeakMb;
};

// Five readings a line, as a measurement system writes them.
std::string WriteReadings(const std::filesystem::path& dir, int count)
{
    const std::string path = (dir / ("readings-" + std::to_string(count) + ".csv")).string();
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::mt19937_64 random(15);
    std::normal_distribution<double> reading(25.5, 0.8);
    for (int i = 0; i < count; ++i)
        std::fprintf(file, "%.3f%c", reading(random), i % 5 == 4 ? '\n' : ',');
    std::fclose(file);
    return path;
}

TRun RunProgram(const char* program, std::vector<std::string> args)
{
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &quiet, nullptr, argv.data(), environ) != 0) {
        std::perror("posix_spawn");
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed\n", program, args.back().c_str());
        std::exit(2);
    }
    return {seconds, usage.ru_maxrss / 1024.0};
}

// The floor: read the file once and count its fields.
double ScanSeconds(const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::vector<char> buffer(1 << 20);
    long fields = 0;
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;)
        fields += std::count_if(buffer.begin(), buffer.begin() + static_cast<long>(got),
                                [](char c) { return c == ',' || c == '\n'; });
    std::fclose(file);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (fields == 0)
        std::exit(2);
    return seconds;
}

// The batch's window, minus the memo lines' storage: each line is still
// formed by the compute command, then dropped.
class TMemolessWindow : public TBatchWindow {
public:
    using TBatchWindow::TBatchWindow;
    void AppendMemoLine(const TWindowField&, const std::string&) override {}
};

// The compute command alone on the file's readings: the grid is read before the clock starts.
double ComputeOnlySeconds(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    TMemolessWindow window(ReadGrid(file, std::string("."), ".").Grid, ".");
    const auto start = std::chrono::steady_clock::now();
    RunComputeCommand(window, nullptr);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (window.Text(Field::Count) != "1000000") {
        std::fprintf(stderr, "the compute command did not take the million readings\n");
        std::exit(2);
    }
    return seconds;
}

// The best of the runs: the machine's other work only ever adds time.
TRun Best(int runs, const std::function<TRun()>& run)
{
    TRun best{1e9, 0};
    for (int i = 0; i < runs; ++i) {
        const TRun one = run();
        best.Seconds = std::min(best.Seconds, one.Seconds);
        best.PeakMb = std::max(best.PeakMb, one.PeakMb);
    }
    return best;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: batch_bench BATCH [RUNS]\n");
        return 2;
    }
    const char* batch = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("batch_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    bool met = true;
    const auto check = [&met](bool ok) {
        met = met && ok;
        return ok ? "" : "  MISSED";
    };

    const std::string million = WriteReadings(dir, 1000000);
    const double floor = Best(runs, [&] { return TRun{ScanSeconds(million), 0}; }).Seconds;
    const std::string charts = (dir / "charts").string();
    // What a script would do at least: read every number and add it up.
    const double awk = Best(runs, [&] {
                           return RunProgram("/usr/bin/awk",
                                             {"-F,", "{ for (i = 1; i <= NF; ++i) s += $i } END { print s }", million});
                       }).Seconds;
    const double compute = Best(runs, [&] { return TRun{ComputeOnlySeconds(million), 0}; }).Seconds;
    const TRun text = Best(runs, [&] { return RunProgram(batch, {"--decimal-separator", ".", million}); });
    const TRun json = Best(runs, [&] {
        return RunProgram(batch, {"--decimal-separator", ".", "--format", "json", million});
    });
    const TRun points = Best(runs, [&] {
        return RunProgram(batch, {"--decimal-separator", ".", "--format", "json", "--chart-points", million});
    });
    const TRun png = Best(runs, [&] {
        return RunProgram(batch, {"--decimal-separator", ".", "--charts", charts, million});
    });
    std::printf("1,000,000 readings (best of %d)\n", runs);
    std::printf("  one plain scan of the file  %8.3f s\n", floor);
    std::printf("  awk parsing and summing it  %8.3f s\n", awk);
    std::printf("  the compute command alone   %8.3f s            %5.0fx the scan  %4.1fx awk\n", compute,
                compute / floor, compute / awk);
    std::printf("  text                        %8.3f s  %6.0f MB  %5.0fx the scan%s\n", text.Seconds, text.PeakMb,
                text.Seconds / floor, check(text.Seconds < 1.0));
    std::printf("  JSON                        %8.3f s  %6.0f MB  %5.0fx the scan  %4.1fx awk%s\n", json.Seconds,
                json.PeakMb, json.Seconds / floor, json.Seconds / awk,
                check(json.Seconds < 1.0 && json.Seconds <= 3 * awk));
    std::printf("  JSON with the chart points  %8.3f s  %6.0f MB  %5.0fx the scan  %4.1fx awk\n", points.Seconds,
                points.PeakMb, points.Seconds / floor, points.Seconds / awk);
    std::printf("  text, charts as PNG         %8.3f s  %6.0f MB  %5.0fx the scan%s\n", png.Seconds, png.PeakMb,
                png.Seconds / floor, check(png.Seconds < 2.0));

    // Peak memory of the heaviest output, at most linear: a doubling of the readings adds no more than
    // about twice what the doubling before added (page rounding makes the small steps uneven).
    std::printf("peak memory, JSON with the chart points and PNG charts\n");
    std::vector<double> peaks;
    for (const int count : {250000, 500000, 1000000}) {
        const std::string file = count == 1000000 ? million : WriteReadings(dir, count);
        const TRun run = RunProgram(
            batch, {"--decimal-separator", ".", "--format", "json", "--chart-points", "--charts", charts, file});
        peaks.push_back(run.PeakMb);
        std::printf("  %9d readings           %6.0f MB%s\n", count, run.PeakMb, check(run.PeakMb < 500));
    }
    const double first = peaks[1] - peaks[0], second = peaks[2] - peaks[1];
    std::printf("  growth 250k->500k %.0f MB, 500k->1M %.0f MB (at most linear: at most about twice)%s\n", first,
                second, check(second < 2.5 * first));
    std::filesystem::remove_all(dir);
    return met ? 0 : 1;
}
