// Runs the game's window and the bare yardstick window alternately, several times each, and
// prints each figure of both with their ratio (medians of the runs):
//   window_bench <game probe> <bare probe> [runs]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ctime>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

using Figures = std::map<std::string, double>;

// One run of a probe: its "key value" lines, with the start-up time worked out from the
// moment of the spawn.
Figures runOnce(const std::vector<std::string>& command)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // The platform plugin's chatter would hide the table; a failing probe still says so below.
    if (!std::getenv("BENCH_VERBOSE"))
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const long long spawned = monotonicNs();
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(2);
    }
    close(out[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (BENCH_VERBOSE=1 shows its messages)\n", argv[0]);
        std::exit(2);
    }
    Figures figures;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        const size_t space = line.find(' ');
        if (space == std::string::npos)
            continue;
        const std::string key = line.substr(0, space), value = line.substr(space + 1);
        if (key == "shown_ns")
            figures["startup_ms"] = double(std::stoll(value) - spawned) / 1e6;
        else if (key == "size")
            figures["width"] = std::stod(value), figures["height"] = std::stod(value.substr(value.find('x') + 1));
        else
            figures[key] = std::stod(value);
    }
    return figures;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;  // a figure only one of the windows gives
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <game probe> <bare probe> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    std::map<std::string, std::vector<double>> game, bare;
    for (int r = 0; r < runs; ++r) {
        const Figures g = runOnce({argv[1]});
        const std::string size = std::to_string(int(g.at("width"))) + "x" + std::to_string(int(g.at("height")));
        const Figures b = runOnce({argv[2], "--size", size});
        for (const auto& [k, v] : g)
            game[k].push_back(v);
        for (const auto& [k, v] : b)
            bare[k].push_back(v);
    }
    struct Row {
        const char* key;
        const char* what;
    } rows[] = {
        {"startup_ms", "start-up to a shown window (ms)"},
        {"rss_kb", "resident memory (KiB)"},
        {"cpu_idle_pct", "CPU, window idle (%)"},
        {"cpu_game_pct", "CPU, game running (%)"},
        {"click_us", "click to next question (us)"},
        {"relayout_us", "relayout at 1920x1080, Fit (us)"},
        {"click300_us", "click to next question, 300 % (us)"},
    };
    std::printf("Window %dx%d, median of %d runs each\n", int(median(game["width"])), int(median(game["height"])), runs);
    std::printf("%-36s %12s %12s %8s\n", "", "Quillora", "bare Qt", "ratio");
    for (const Row& row : rows) {
        const double g = median(game[row.key]), b = median(bare[row.key]);
        if (b > 0)
            std::printf("%-36s %12.3f %12.3f %8.2f\n", row.what, g, b, g / b);
        else
            std::printf("%-36s %12.3f %12.3f %8s\n", row.what, g, b, "-");
    }
    return 0;
}
