#!/usr/bin/env bash
# Builds both trees and runs every test: the native tests under the sanitizers,
# the Windows tests under Wine, and each fuzz target for a short while.
# Exits non-zero when anything fails.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

scripts/setup.sh || exit 1
. scripts/build-common.sh

jobs=${REELSTACK_JOBS:-$(nproc)}
failed_steps=()
total_passed=0
total_failed=0

# Reads ctest's closing line and adds it to the totals.
count_ctest() {
  local log="$1" line passed failed all
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    return
  fi
  failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  all=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
  passed=$((all - failed))
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
}

# The data (skins, the program's icon, the archive) is made by the host
# tools before the Windows build, which links the icon.
if ! configure_and_build host; then failed_steps+=("host build"); fi
if ! scripts/make-data.sh; then failed_steps+=("data"); fi
if ! configure_and_build win32; then failed_steps+=("win32 build"); fi

if [ -d build/host ]; then
  echo "== native tests (AddressSanitizer, UBSan)"
  (cd build/host && ctest --output-on-failure -j "$jobs") | tee build/host/ctest.log
  [ "${PIPESTATUS[0]}" -eq 0 ] || failed_steps+=("native tests")
  count_ctest build/host/ctest.log
fi

if [ -d build/win32 ]; then
  echo "== Windows tests (Wine)"
  . scripts/wine-env.sh
  (
    trap wine_session_stop EXIT
    REELSTACK_UNMANAGED=1 wine_session_start "$root/build/win32/wineprefix" || exit 1
    cd build/win32 && ctest --output-on-failure -j "$jobs"
  ) | tee build/win32/ctest.log
  [ "${PIPESTATUS[0]}" -eq 0 ] || failed_steps+=("Windows tests")
  count_ctest build/win32/ctest.log
fi

echo "== fuzz targets"
scripts/fuzz.sh | tee build/fuzz.log
[ "${PIPESTATUS[0]}" -eq 0 ] || failed_steps+=("fuzzing")
fuzz_passed=$(grep -c '^fuzz: ok ' build/fuzz.log || true)
fuzz_failed=$(grep -c '^fuzz: FAILED ' build/fuzz.log || true)
total_passed=$((total_passed + fuzz_passed))
total_failed=$((total_failed + fuzz_failed))

echo
if [ ${#failed_steps[@]} -ne 0 ]; then
  echo "FAILED: ${failed_steps[*]}"
  [ "$total_failed" -gt 0 ] || total_failed=1
  echo "total: ${total_passed} passed, ${total_failed} failed"
  exit 1
fi
echo "total: ${total_passed} passed, ${total_failed} failed"
