// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the game and the bare yardstick window alternately on the X display in $DISPLAY and
// prints each figure of both with their ratio (medians of the runs):
//   window_bench <game> <play folder> <game probe> <bare probe> [start-up runs] [probe runs]
// Start-up is watched from outside: the time from the spawn to the X server telling the root
// window that a managed window was mapped (the window manager maps the frame around it), and
// resident memory is read from /proc a second after that, once the window has settled. The game
// is the real program started in a play folder; the bare window is the bare probe. The other
// figures come from the probes themselves, which print "key value" lines.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

using Figures = std::map<std::string, double>;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "window_bench: %s\n", why.c_str());
    std::exit(2);
}

// The root window's structure changes, where a window manager's maps show.
class RootWatch {
public:
    RootWatch()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            fail("cannot open the X display in DISPLAY");
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~RootWatch() { xcb_disconnect(m_connection); }
    RootWatch(const RootWatch&) = delete;
    RootWatch& operator=(const RootWatch&) = delete;

    // Forgets what happened before a run.
    void drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            std::free(event);
    }
    // The monotonic time at which the next managed window is mapped, or -1 after `timeoutMs`.
    long long nextMap(int timeoutMs)
    {
        const long long deadline = monotonicNs() + static_cast<long long>(timeoutMs) * 1000000;
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool managed = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                                  && !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
                std::free(event);
                if (managed)
                    return monotonicNs();
            }
            const long long left = deadline - monotonicNs();
            if (left <= 0 || xcb_connection_has_error(m_connection))
                return -1;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(left / 1000000) + 1);
        }
    }

private:
    xcb_connection_t* m_connection = nullptr;
};

pid_t spawn(const std::vector<std::string>& command, int stdoutFd, const char* folder)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    // The platform plugin's chatter would hide the table; a failing probe still says so below.
    if (!std::getenv("BENCH_VERBOSE"))
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (folder)
        posix_spawn_file_actions_addchdir_np(&actions, folder);
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        fail("cannot start " + command[0]);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// One start of a window that stays open until stopped: the time to its map and its settled
// resident memory.
Figures startOnce(RootWatch& watch, const std::vector<std::string>& command, const char* folder)
{
    watch.drain();
    const long long spawned = monotonicNs();
    const pid_t pid = spawn(command, -1, folder);
    const long long mapped = watch.nextMap(20000);
    if (mapped < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        fail(command[0] + " mapped no window (BENCH_VERBOSE=1 shows its messages)");
    }
    usleep(1000000);
    Figures figures{{"startup_ms", double(mapped - spawned) / 1e6}, {"rss_kb", double(residentKb(pid))}};
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return figures;
}

// One run of a probe to its end: its "key value" lines.
Figures probeOnce(RootWatch& watch, const std::vector<std::string>& command)
{
    watch.drain();
    int out[2];
    if (pipe(out) != 0)
        fail("no pipe");
    const pid_t pid = spawn(command, out[1], nullptr);
    close(out[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(command[0] + " failed (BENCH_VERBOSE=1 shows its messages)");
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
        if (key == "size" || key == "big_size") {
            const std::string name = key == "size" ? "" : "big_";
            figures[name + "width"] = std::stod(value);
            figures[name + "height"] = std::stod(value.substr(value.find('x') + 1));
        } else
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

using Series = std::map<std::string, std::vector<double>>;

void add(Series& series, const Figures& figures)
{
    for (const auto& [k, v] : figures)
        series[k].push_back(v);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <game> <play folder> <game probe> <bare probe> [start-up runs] [probe runs]\n",
                     argv[0]);
        return 2;
    }
    // The game is started inside its play folder: its path must not depend on where we are.
    char* absolute = realpath(argv[1], nullptr);
    if (!absolute)
        fail(std::string("no program ") + argv[1]);
    const std::string game = absolute, gameProbe = argv[3], bareProbe = argv[4];
    std::free(absolute);
    const char* folder = argv[2];
    const int startRuns = argc > 5 ? std::max(1, std::atoi(argv[5])) : 15;
    const int probeRuns = argc > 6 ? std::max(1, std::atoi(argv[6])) : 3;
    RootWatch watch;
    Series g, b;
    // Each a first time, unmeasured, so that both find their libraries in the page cache.
    startOnce(watch, {game, "."}, folder);
    startOnce(watch, {bareProbe, "--idle"}, nullptr);
    for (int r = 0; r < startRuns; ++r) {
        add(g, startOnce(watch, {game, "."}, folder));
        add(b, startOnce(watch, {bareProbe, "--idle"}, nullptr));
    }
    for (int r = 0; r < probeRuns; ++r) {
        const Figures gp = probeOnce(watch, {gameProbe});
        const std::string size = std::to_string(int(gp.at("width"))) + "x" + std::to_string(int(gp.at("height")));
        const std::string big = std::to_string(int(gp.at("big_width"))) + "x" + std::to_string(int(gp.at("big_height")));
        const std::string zoom = std::to_string(int(gp.at("zoom_pct")));
        add(g, gp);
        add(b, probeOnce(watch, {bareProbe, "--size", size, "--big", big, "--zoom", zoom}));
    }
    struct Row {
        const char* key;
        const char* what;
    } rows[] = {
        {"startup_ms", "exec to window mapped (ms)"},
        {"rss_kb", "resident memory, settled (KiB)"},
        {"cpu_idle_pct", "CPU, window idle (%)"},
        {"cpu_game_pct", "CPU, game running (%)"},
        {"click_us", "click to next question (us)"},
        {"relayout_us", "relayout at 1920x1080, Fit (us)"},
        {"relayout_big_us", "relayout, screen-filling zoom (us)"},
        {"click_big_us", "click, screen-filling zoom (us)"},
    };
    std::printf("Window %dx%d; start-up and memory: median of %d starts each; the rest: median of %d runs each\n",
                int(median(g["width"])), int(median(g["height"])), startRuns, probeRuns);
    std::printf("Screen-filling zoom: %.0f %% at %dx%d\n", median(g["zoom_pct"]), int(median(g["big_width"])),
                int(median(g["big_height"])));
    std::printf("%-36s %12s %12s %8s\n", "", "Quillora", "bare Qt", "ratio");
    for (const Row& row : rows) {
        const double gv = median(g[row.key]), bv = median(b[row.key]);
        if (bv > 0)
            std::printf("%-36s %12.3f %12.3f %8.2f\n", row.what, gv, bv, gv / bv);
        else
            std::printf("%-36s %12.3f %12.3f %8s\n", row.what, gv, bv, "-");
    }
    return 0;
}
