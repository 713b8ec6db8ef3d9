#!/usr/bin/env bash
# Builds the benchmarks natively (optimised, no sanitizers) and runs them.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
. scripts/build-common.sh
# The build in turn with the other scripts that build; the runs need no lock.
build_lock_take bench.sh || exit 1
scripts/setup.sh || exit 1
configure_and_build bench || exit 1
build_lock_release
status=0
for b in build/bench/bench/*_bench; do
  [ -x "$b" ] || continue
  "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@" || status=1
done
exit $status
