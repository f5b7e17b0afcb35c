#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs fuzz targets one after another, each for a fixed time, from the committed seeds.
#   fuzz/run.sh BUILD_DIR SECONDS TARGET...     (TARGET: evaluator, settings, ...)
# BUILD_DIR is a clang build configured with -DORVANE_FUZZ=ON -DORVANE_SANITIZE=ON.
# Corpora, logs and any crash, timeout or leak input go to $ORVANE_FUZZ_WORK
# (default /tmp/orvane-fuzz); the final counts are at the end of each log.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1 seconds=$2
shift 2
work=${ORVANE_FUZZ_WORK:-/tmp/orvane-fuzz}
mkdir -p "$work"
# The settings targets write a scratch file per input: keep that in memory.
export TMPDIR=${TMPDIR:-/dev/shm}
status=0
for target in "$@"; do
    corpus=$work/corpus-$target
    mkdir -p "$corpus" "$work/artifacts-$target"
    cp -n "$here/corpus/$target"/* "$corpus/" 2>/dev/null || true
    echo "fuzz_$target: ${seconds}s"
    "$build/fuzz/fuzz_$target" "$corpus" \
        -max_total_time="$seconds" -timeout=3 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts-$target/" >"$work/$target.log" 2>&1 || status=1
    tail -n 8 "$work/$target.log"
done
exit $status
