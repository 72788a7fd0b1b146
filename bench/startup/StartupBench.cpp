// Times process start to first paint of the main window against a bare Qt
// window built the same way, on the platform given by QT_QPA_PLATFORM.
//   startup_bench PROBE [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

double MedianMs(const char* probe, const char* mode, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(RunOnceMs(probe, mode));
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    RunOnceMs(argv[1], "form");  // warm the file cache
    const double bare = MedianMs(argv[1], "bare", runs);
    const double form = MedianMs(argv[1], "form", runs);
    std::printf("start to first paint, median of %d runs: bare window %.1f ms, main window %.1f ms, ratio %.2f\n",
                runs, bare, form, form / bare);
    return 0;
}
