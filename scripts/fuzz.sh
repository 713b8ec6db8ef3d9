#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short fixed time
# on its seed corpus (fuzz/corpus/<target>/). New inputs go to build/fuzz, never
# into the source tree. A crash fails the run and leaves its input in
# build/fuzz/artifacts/.
#   scripts/fuzz.sh [seconds-per-target]
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
. scripts/build-common.sh

seconds="${1:-${REELSTACK_FUZZ_SECONDS:-15}}"
# The build in turn with the other scripts that build; the runs need no lock.
build_lock_take fuzz.sh || exit 1
configure_and_build fuzz || { echo "fuzz: FAILED build"; exit 1; }
build_lock_release

targets=()
for src in fuzz/*_fuzz.cpp; do
  [ -e "$src" ] || continue
  targets+=("$(basename "$src" .cpp)")
done

run_one() {
  local target="$1" seconds="$2"
  local work="build/fuzz/corpus/$target" seeds="fuzz/corpus/$target"
  local artifacts="build/fuzz/artifacts/$target/"
  mkdir -p "$work" "$artifacts" "$seeds"
  if "build/fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="$artifacts" -print_final_stats=0 "$work" "$seeds" \
      >"build/fuzz/$target.log" 2>&1; then
    echo "fuzz: ok $target"
  else
    echo "fuzz: FAILED $target (see build/fuzz/$target.log)"
    tail -40 "build/fuzz/$target.log"
    return 1
  fi
}
export -f run_one

# Half the cores, and at least two: the targets are single-threaded, each runs
# for a fixed wall-clock time, and the machine is shared with the other tests.
parallel=$(( $(nproc) / 2 ))
[ "$parallel" -ge 2 ] || parallel=2
printf '%s\n' "${targets[@]}" | xargs -r -P "$parallel" -I{} bash -c 'run_one "$@"' _ {} "$seconds"
