// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real program: from launching `orvane --startup-probe` offscreen to its
// report that the main window is shown with the axes drawn, and its resident memory
// then. The peer is a bare Qt Widgets program that shows a maximized main window.
#include "RatioReporter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace orvane::bench;

namespace {

struct Probe {
    double seconds = 0;
    double residentKilobytes = 0;
    bool ok = false;
};

// Starts `arguments` with an offscreen display, waits for its probe line and for its
// end; the time runs from the launch to the line.
Probe launch(const std::vector<std::string>& arguments)
{
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return {};
    }
    std::string line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto reported = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    const std::string prefix = "startup-probe rss-kb ";
    Probe probe;
    probe.ok = line.rfind(prefix, 0) == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    probe.seconds = std::chrono::duration<double>(reported - start).count();
    if (probe.ok) probe.residentKilobytes = std::atof(line.c_str() + prefix.size());
    return probe;
}

void measure(benchmark::State& state, const std::vector<std::string>& arguments)
{
    launch(arguments); // the first run writes the settings defaults and warms the caches
    double resident = 0;
    for (auto _ : state) {
        const Probe probe = launch(arguments);
        if (!probe.ok) {
            state.SkipWithError("the program did not report its start");
            return;
        }
        state.SetIterationTime(probe.seconds);
        resident = probe.residentKilobytes;
    }
    perUnit(state, 1);
    state.counters["rss_MB"] = resident / 1024;
}

// A settings folder of its own, marked as not the first run (no shortcut question).
std::string settingsFile()
{
    char folder[] = "/tmp/orvane-bench-XXXXXX";
    if (!mkdtemp(folder)) return {};
    const std::string path = std::string(folder) + "/orvane.ini";
    std::ofstream(path, std::ios::binary) << "[Setup]\r\nCreatShortCut=OK\r\n";
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string settings = settingsFile();
    addPeer("startup", "orvane",
            [settings](benchmark::State& state) {
                measure(state, {ORVANE_PROGRAM, "--startup-probe", "--settings", settings});
            })
        ->UseManualTime()
        ->Iterations(10);
    addPeer("startup", "bare Qt main window",
            [](benchmark::State& state) { measure(state, {STARTUP_FLOOR_PROGRAM}); })
        ->UseManualTime()
        ->Iterations(10);
    return runWithRatios(
        argc, argv,
        {{"startup", "Start-up, launch to main window shown with axes drawn (offscreen)",
          "bare Qt main window"}});
}
