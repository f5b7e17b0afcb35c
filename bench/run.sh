#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (Release-like, ORVANE_BENCH=ON) in BUILD_DIR (default
# build-bench) and runs them all: five repetitions each, the peers' repetitions
# interleaved at random, medians in the ratio tables. Extra arguments go to every
# benchmark program (for example --benchmark_filter=polar).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BENCH=ON > /dev/null
cmake --build "$build" --target bench_evaluator bench_plotter bench_tools bench_points bench_startup
export QT_QPA_PLATFORM=offscreen
for program in bench_evaluator bench_plotter bench_tools bench_points; do
    "$build/bench/$program" --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
        --benchmark_min_time=0.2 "$@"
done
"$build/bench/bench_startup" "$@"
