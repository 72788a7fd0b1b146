// Times process start to the main window with every visible widget painted,
// against a bare Qt window of the same size, against that window with one
// Chinese label in the window's font (target: at most 1.15 times the label
// window) and against the window's controls as plain Qt widgets. The kinds
// run in turn, so that each round sees the same machine; medians are printed.
// Without QT_QPA_PLATFORM the offscreen platform gets one 1920 x 1080 screen,
// a usual desktop on which the window fits, as the floors do, without scroll bars.
//   startup_bench PROBE [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

double RunOnceMs(const char* probe, const char* mode)
{
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* const args[] = {const_cast<char*>(probe), const_cast<char*>(mode), nullptr};
    // The probe's own output would only disturb the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, probe, &quiet, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "probe %s failed\n", mode);
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench PROBE [RUNS]\n");
        return 2;
    }
    static char screens[] = "/tmp/startup-bench-screen-XXXXXX";
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        const int file = mkstemp(screens);
        const char config[] = R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                              R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        if (file < 0 || write(file, config, sizeof config - 1) != static_cast<ssize_t>(sizeof config - 1)) {
            std::perror("screen configuration");
            return 1;
        }
        close(file);
        setenv("QT_QPA_PLATFORM", (std::string("offscreen:configfile=") + screens).c_str(), 1);
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    RunOnceMs(argv[1], "form");  // warm the file cache
    std::vector<double> bare, label, widgets, form;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(RunOnceMs(argv[1], "bare"));
        label.push_back(RunOnceMs(argv[1], "label"));
        widgets.push_back(RunOnceMs(argv[1], "widgets"));
        form.push_back(RunOnceMs(argv[1], "form"));
    }
    const double bareMs = Median(bare), labelMs = Median(label), widgetsMs = Median(widgets), formMs = Median(form);
    std::printf("start to every widget painted, median of %d runs: bare window %.1f ms, label window %.1f ms, "
                "plain widgets %.1f ms, main window %.1f ms; main / bare %.2f, main / label %.2f, "
                "plain widgets / label %.2f, main / plain widgets %.2f\n",
                runs, bareMs, labelMs, widgetsMs, formMs, formMs / bareMs, formMs / labelMs, widgetsMs / labelMs,
                formMs / widgetsMs);
    if (std::strcmp(screens + sizeof screens - 7, "XXXXXX") != 0)
        unlink(screens);
    return 0;
}
