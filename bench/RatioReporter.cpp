// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace orvane::bench {

namespace {

constexpr const char* PerUnit = "per_unit";

// Written and read through volatile access, which the compiler must perform.
volatile double sink = 0;

// "<group>/<peer>" in the order the peers were registered: the order of the tables.
std::vector<std::string>& registered()
{
    static std::vector<std::string> names;
    return names;
}

std::size_t registrationIndex(const std::string& groupId, const std::string& peer)
{
    const auto& names = registered();
    return std::size_t(std::find(names.begin(), names.end(), groupId + "/" + peer) - names.begin());
}

std::string humanTime(double seconds)
{
    char text[32];
    if (seconds < 1e-6)
        std::snprintf(text, sizeof text, "%8.1f ns", seconds * 1e9);
    else if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%8.2f us", seconds * 1e6);
    else if (seconds < 1)
        std::snprintf(text, sizeof text, "%8.2f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%8.3f s ", seconds);
    return text;
}

} // namespace

benchmark::internal::Benchmark* addPeer(const std::string& groupId, const std::string& peer,
                                        std::function<void(benchmark::State&)> fn)
{
    const std::string name = groupId + "/" + peer;
    registered().push_back(name);
    return benchmark::RegisterBenchmark(name.c_str(), [fn](benchmark::State& state) { fn(state); });
}

void consume(double value)
{
    sink = value;
}

double opaque(double value)
{
    sink = value;
    return sink;
}

void perUnit(benchmark::State& state, double units)
{
    state.counters[PerUnit] = benchmark::Counter(
        units, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool aggregate = run.run_type == Run::RT_Aggregate;
        if (aggregate && run.aggregate_name != "median") continue;
        const auto counter = run.counters.find(PerUnit);
        if (counter == run.counters.end()) continue;
        const std::string& name = run.run_name.function_name;
        const std::size_t slash = name.find('/');
        if (slash == std::string::npos) continue;
        auto& peers = figures_[name.substr(0, slash)];
        const std::string peer = name.substr(slash + 1);
        auto it = std::find_if(peers.begin(), peers.end(),
                               [&](const auto& entry) { return entry.first == peer; });
        if (it == peers.end()) {
            peers.push_back({peer, {}});
            it = peers.end() - 1;
        }
        // A median replaces the single repetitions it summarises.
        if (aggregate || !it->second.median) it->second = {counter->second.value, aggregate};
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fprintf(out, "\nRatios (time per unit; a ratio below 1 is faster than the reference)\n");
    for (const Group& group : groups_) {
        const auto found = figures_.find(group.id);
        if (found == figures_.end()) continue;
        auto peers = found->second;
        std::sort(peers.begin(), peers.end(), [&](const auto& a, const auto& b) {
            return registrationIndex(group.id, a.first) < registrationIndex(group.id, b.first);
        });
        double reference = 0;
        for (const auto& [peer, figure] : peers)
            if (peer == group.reference) reference = figure.secondsPerUnit;
        std::fprintf(out, "\n%s\n", group.caption.c_str());
        for (const auto& [peer, figure] : peers) {
            if (reference > 0)
                std::fprintf(out, "  %-28s %s   %6.2fx %s\n", peer.c_str(),
                             humanTime(figure.secondsPerUnit).c_str(),
                             figure.secondsPerUnit / reference, group.reference.c_str());
            else
                std::fprintf(out, "  %-28s %s\n", peer.c_str(),
                             humanTime(figure.secondsPerUnit).c_str());
        }
    }
    std::fflush(out);
}

int runWithRatios(int argc, char** argv, std::vector<Group> groups)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(std::move(groups));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace orvane::bench
