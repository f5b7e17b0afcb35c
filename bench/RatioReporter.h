// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvane::bench {

// A set of peers measured side by side: benchmarks named "<id>/<peer>", each reporting
// the time of one unit of work (one evaluation, one trace, one start) through
// perUnit(), compared with the reference peer of the set.
struct Group {
    std::string id;
    std::string caption;
    std::string reference; // the peer whose time counts as 1.00
};

// Registers `fn` as peer `peer` of group `groupId`.
benchmark::internal::Benchmark* addPeer(const std::string& groupId, const std::string& peer,
                                        std::function<void(benchmark::State&)> fn);

// The counter the ratio table reads: the time of one of `units` done per iteration.
void perUnit(benchmark::State& state, double units);

// Google Benchmark's own table, then one table per group with each peer's time per
// unit and its ratio to the group's reference. With repetitions the medians are used.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Group> groups) : groups_(std::move(groups)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Figure {
        double secondsPerUnit = 0;
        bool median = false;
    };
    std::vector<Group> groups_;
    // group id -> peer -> figure, peers in the order first seen
    std::map<std::string, std::vector<std::pair<std::string, Figure>>> figures_;
};

// Keeps a computed value alive. Google Benchmark's DoNotOptimize is not used on
// doubles: in the packaged version (1.7.1) under GCC 12 -O2 it has been seen to change
// the value computed next to it.
void consume(double value);

// A number the compiler cannot see through, to stop it folding a peer's constant.
double opaque(double value);

// Initialises Google Benchmark, runs what the command line selects and prints both
// tables. Returns the process exit status.
int runWithRatios(int argc, char** argv, std::vector<Group> groups);

} // namespace orvane::bench
