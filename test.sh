#!/usr/bin/env bash
# Builds both trees and runs every test: the native tests under the sanitizers,
# the Windows tests under Wine, and each fuzz target for a short while.
# Exits non-zero when anything fails.
#
# It builds in turn with the other scripts that build (scripts/locks.sh):
# the host build, the data, and then the Windows and fuzz builds side by
# side, under the build tree's lock, which it gives up before the tests. Then
# three branches run side by side, since they share nothing but the cores:
# the Windows tests under Wine (mostly waiting on the display), the native
# tests, and the fuzz runs. Each branch writes its own log, shown whole when
# all are done.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

run_started=$(date +%s)
. scripts/build-common.sh
build_lock_take test.sh || exit 1
scripts/setup.sh || exit 1

jobs=${REELSTACK_JOBS:-$(nproc)}
logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"

# Each stage appends "name seconds status" to its branch's times file.
timed() {
  local times="$1" name="$2" started status
  shift 2
  started=$(date +%s)
  "$@"
  status=$?
  echo "$name $(($(date +%s) - started)) $status" >>"$times"
  return $status
}

# Reads ctest's closing line: "passed failed", or nothing.
ctest_counts() {
  local line failed all
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" 2>/dev/null | tail -1)
  [ -n "$line" ] || return 0
  failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  all=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
  echo "$((all - failed)) $failed"
}

native_tests() {
  echo "== native tests (AddressSanitizer, UBSan)"
  (cd build/host && ctest --output-on-failure -j "$jobs")
}

windows_tests() {
  echo "== Windows tests (Wine)"
  . scripts/wine-env.sh
  (
    trap wine_test_session_stop EXIT
    wine_test_session_start "$root/build/win32/test-wineprefix" || exit 1
    cd build/win32 && ctest --output-on-failure -j "$jobs"
  )
}

windows_branch() {
  timed "$logs/windows.times" "windows-tests" windows_tests
}

native_branch() {
  [ -d build/host ] || return 1
  timed "$logs/native.times" "native-tests" native_tests
}

# Each target runs for a fixed wall-clock time, so fuzzing at a lower
# priority costs it only iterations, while the Wine tests beside it keep
# their pace.
fuzz_branch() {
  echo "== fuzz targets"
  timed "$logs/fuzz.times" "fuzz" nice -n 10 scripts/fuzz.sh
}

# The Windows and the fuzz build side by side, each with a log of its own.
last_builds() {
  local windows fuzz status=0
  timed "$logs/first.times" "win32-build" configure_and_build win32 >"$logs/win32-build.log" 2>&1 &
  windows=$!
  timed "$logs/first.times" "fuzz-build" configure_and_build fuzz >"$logs/fuzz-build.log" 2>&1 &
  fuzz=$!
  wait "$windows" || status=1
  wait "$fuzz" || status=1
  cat "$logs/win32-build.log" "$logs/fuzz-build.log"
  return $status
}

# The data (skins, the program's icon, the archive) is made by the host
# tools before the Windows build, which links the icon.
first_steps_ok=1
timed "$logs/first.times" "host-build" configure_and_build host || first_steps_ok=0
if [ "$first_steps_ok" = 1 ]; then
  timed "$logs/first.times" "data" scripts/make-data.sh || first_steps_ok=0
fi
if [ "$first_steps_ok" = 1 ]; then
  last_builds || first_steps_ok=0
fi
build_lock_release

failed_steps=()
if [ "$first_steps_ok" = 1 ]; then
  windows_branch >"$logs/windows.log" 2>&1 &
  windows_pid=$!
  native_branch >"$logs/native.log" 2>&1 &
  native_pid=$!
  fuzz_branch >"$logs/fuzz.log" 2>&1 &
  fuzz_pid=$!
  wait "$native_pid" || failed_steps+=("native tests")
  cat "$logs/native.log"
  wait "$windows_pid" || failed_steps+=("Windows build or tests")
  cat "$logs/windows.log"
  wait "$fuzz_pid" || failed_steps+=("fuzzing")
  cat "$logs/fuzz.log"
else
  failed_steps+=("the builds or the data")
fi

total_passed=0
total_failed=0
for log in "$logs/native.log" "$logs/windows.log"; do
  read -r passed failed <<<"$(ctest_counts "$log")"
  total_passed=$((total_passed + ${passed:-0}))
  total_failed=$((total_failed + ${failed:-0}))
done
fuzz_passed=$(grep -c '^fuzz: ok ' "$logs/fuzz.log" 2>/dev/null || true)
fuzz_failed=$(grep -c '^fuzz: FAILED ' "$logs/fuzz.log" 2>/dev/null || true)
total_passed=$((total_passed + ${fuzz_passed:-0}))
total_failed=$((total_failed + ${fuzz_failed:-0}))

echo
echo "stage times (seconds; the two last builds ran side by side, and so did the last three branches):"
cat "$logs"/first.times "$logs"/native.times "$logs"/windows.times "$logs"/fuzz.times 2>/dev/null |
  awk '{ printf "  %-16s %5d%s\n", $1, $2, ($3 == 0 ? "" : "  (failed)") }'
printf '  %-16s %5d\n' "total" "$(($(date +%s) - run_started))"

echo
if [ ${#failed_steps[@]} -ne 0 ]; then
  echo "FAILED: ${failed_steps[*]}"
  [ "$total_failed" -gt 0 ] || total_failed=1
  echo "total: ${total_passed} passed, ${total_failed} failed"
  exit 1
fi
echo "total: ${total_passed} passed, ${total_failed} failed"
