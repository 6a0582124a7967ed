// Whole processes timed against floors in the same run:
//   cli      zentrava-cli generating every shipped entry with --preview,
//            against cat copying the same catalogue and script files into
//            the preview file;
//   startup  the app until its first effect form is shown (it leaves with
//            --quit-after-startup), and until its first paint
//            (--quit-after-first-paint), against an empty Qt Widgets window
//            of the same size and font left the same way;
//   memory   the resident memory of the idle app without a preview,
//            against the same empty window.
// Runs alternate between a figure and its floor so that both see the same
// machine; each figure is the median of its rounds.
//
// Usage: bench_processes cli PROGRAM_DIR ROUNDS
//        bench_processes startup APP EMPTY_WINDOW ROUNDS
//        bench_processes memory APP EMPTY_WINDOW ROUNDS
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Command {
    std::vector<std::string> argv;
    std::string out = "/dev/null";  // standard output goes here
};

pid_t Start(const Command& c) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, c.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const auto& a : c.argv) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

double cpuSeconds = 0;  // processor time (user and system) of the processes waited for

int Wait(pid_t pid) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    cpuSeconds += usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                  usage.ru_stime.tv_usec / 1e6;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs the commands one after another; seconds of wall time for all of them.
double Run(const std::vector<Command>& commands) {
    const auto start = Clock::now();
    for (const Command& c : commands) {
        const int status = Wait(Start(c));
        if (status != 0) {
            std::cerr << c.argv[0] << " " << (c.argv.size() > 1 ? c.argv[1] : "") << " ... exited " << status << "\n";
            std::exit(1);
        }
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void Ratio(const std::string& what, double value, const std::string& target) {
    std::printf("RATIO %-58s %7.2f  %s\n", what.c_str(), value, target.c_str());
}

std::string Capture(const std::vector<std::string>& argv, const std::string& scratch) {
    const std::string file = scratch + "/captured.txt";
    Wait(Start({argv, file}));
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Cli(const std::string& programDir, int rounds) {
    // A scratch copy: the runs write its temp.htm.
    const std::string dir = (fs::temp_directory_path() / ("zentrava-bench-cli-" + std::to_string(getpid()))).string();
    fs::copy(programDir, dir, fs::copy_options::recursive);
    const std::string cli = dir + "/zentrava-cli";
    std::vector<Command> generate, floor;
    std::istringstream categories(Capture({cli, "categories"}, dir));
    std::string line;
    while (std::getline(categories, line)) {
        const std::string file = line.substr(line.find('\t') + 1);
        const std::string base = file.substr(0, file.size() - 4);
        std::istringstream entries(Capture({cli, "list", base}, dir));
        std::string row;
        while (std::getline(entries, row)) {
            std::vector<std::string> f;
            std::istringstream fields(row);
            for (std::string x; std::getline(fields, x, '\t');) f.push_back(x);
            const std::string index = f[0];
            const std::string script = dir + "/" + (f.size() > 3 ? f[3] : "") + ".dat";
            generate.push_back({{cli, "generate", base, index, "--preview"}});
            Command cat{{"cat", dir + "/" + file}, dir + "/temp.htm"};
            if (fs::exists(script)) cat.argv.push_back(script);
            floor.push_back(cat);
        }
    }
    if (generate.empty()) {
        std::cerr << "no entries in " << programDir << "\n";
        return 1;
    }
    std::vector<double> g, c;
    Run(generate);  // warm the page cache
    Run(floor);
    for (int r = 0; r < rounds; ++r) {
        g.push_back(Run(generate));
        c.push_back(Run(floor));
    }
    std::printf("zentrava-cli generate --preview, %zu entries: %.1f ms; cat of the same files: %.1f ms (median of %d)\n",
                generate.size(), Median(g) * 1e3, Median(c) * 1e3, rounds);
    Ratio("zentrava-cli every shipped entry / cat of the same files", Median(g) / Median(c), "");
    fs::remove_all(dir);
    return 0;
}

std::string Spread(const std::vector<double>& v) {
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    char text[64];
    std::snprintf(text, sizeof text, "%.1f-%.1f", *low * 1e3, *high * 1e3);
    return text;
}

int Startup(const std::string& app, const std::string& empty, int rounds) {
    // Twice: until the event loop has run once (the window shown, the form
    // open, nothing painted yet), and until the window's first paint.
    struct Mode {
        const char* option;
        const char* what;
        const char* target;
        const char* cpuTarget;
    };
    const Mode modes[] = {
        {"--quit-after-startup", "first form", "(target <= 1.1 under X, 1.25 offscreen)", "(target <= 1.1 under X)"},
        {"--quit-after-first-paint", "first paint", "", ""},
    };
    for (const Mode& mode : modes) {
        const Command a{{app, mode.option}};
        const Command e{{empty, mode.option}};
        std::vector<double> ta, te, ca, ce;
        Run({a, e});  // warm the page cache
        for (int r = 0; r < rounds; ++r) {
            cpuSeconds = 0;
            ta.push_back(Run({a}));
            ca.push_back(cpuSeconds);
            cpuSeconds = 0;
            te.push_back(Run({e}));
            ce.push_back(cpuSeconds);
        }
        std::printf("start-up to the %s: app %.1f ms (%s), empty window %.1f ms (%s) (median of %d)\n", mode.what,
                    Median(ta) * 1e3, Spread(ta).c_str(), Median(te) * 1e3, Spread(te).c_str(), rounds);
        std::printf("processor time of the same: app %.1f ms (%s), empty window %.1f ms (%s)\n", Median(ca) * 1e3,
                    Spread(ca).c_str(), Median(ce) * 1e3, Spread(ce).c_str());
        const std::string what = std::string("app start-up to ") + mode.what + " / empty Qt Widgets window";
        Ratio(what, Median(ta) / Median(te), mode.target);
        Ratio(what + ", CPU", Median(ca) / Median(ce), mode.cpuTarget);
    }
    return 0;
}

long RssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

// The resident memory once the program has settled: sampled every 100 ms
// from 2 s on, until it has moved by less than 1% over the last second.
long IdleRssKiB(const std::string& program) {
    const pid_t pid = Start({{program}});
    std::vector<long> samples;
    long settled = -1;
    for (int tick = 0; tick < 150; ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const long rss = RssKiB(pid);
        if (rss < 0) break;  // gone
        samples.push_back(rss);
        if (tick >= 20) {
            const long then = samples[samples.size() - 11];
            if (std::labs(rss - then) * 100 < then) {
                settled = rss;
                break;
            }
        }
    }
    if (settled < 0 && !samples.empty()) settled = samples.back();
    kill(pid, SIGTERM);
    Wait(pid);
    return settled;
}

int Memory(const std::string& app, const std::string& empty, int rounds) {
    std::vector<double> ma, me;
    for (int r = 0; r < rounds; ++r) {
        ma.push_back(static_cast<double>(IdleRssKiB(app)));
        me.push_back(static_cast<double>(IdleRssKiB(empty)));
    }
    std::printf("idle resident memory: app %.1f MiB, empty window %.1f MiB (median of %d)\n", Median(ma) / 1024,
                Median(me) / 1024, rounds);
    Ratio("app idle memory, no preview / empty Qt Widgets window", Median(ma) / Median(me), "");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "cli" && argc == 4) return Cli(argv[2], std::atoi(argv[3]));
    if (what == "startup" && argc == 5) return Startup(argv[2], argv[3], std::atoi(argv[4]));
    if (what == "memory" && argc == 5) return Memory(argv[2], argv[3], std::atoi(argv[4]));
    std::cerr << "usage: bench_processes cli PROGRAM_DIR ROUNDS\n"
                 "       bench_processes startup APP EMPTY_WINDOW ROUNDS\n"
                 "       bench_processes memory APP EMPTY_WINDOW ROUNDS\n";
    return 2;
}
