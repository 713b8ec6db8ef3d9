#!/usr/bin/env bash
# Runs one Windows program under Wine and returns its exit code.
#   wine-run.sh [--test-prefix DIR | --prefix DIR] program.exe [args...]
# By default, and with --test-prefix (which ctest gives as the cross-compiling
# emulator), the program runs as a test: in the tests' own prefix, made and
# marked as theirs (build/win32/test-wineprefix by default), on a display of
# its own unless REELSTACK_SHOW_TESTS=1 (see wine-env.sh). --prefix runs it
# in a prefix of one's own, on the current display or a private Xvfb; a
# program of that name already running there is not started again (exit
# code 3, WINE_ALREADY_RUNNING).
#
# Outside a test session the run is a session of its own (wine-env.sh): it
# ends once every program it started has ended, a program started again by
# the one it ran included, and ends only the Wine session it started.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"

prefix="$(cd "$here/.." && pwd)/build/win32/test-wineprefix"
as_test=1
case "${1:-}" in
  --test-prefix)
    prefix="$2"
    shift 2
    ;;
  --prefix)
    prefix="$2"
    as_test=0
    shift 2
    ;;
esac
if [ $# -lt 1 ]; then
  echo "usage: wine-run.sh [--test-prefix DIR | --prefix DIR] program.exe [args...]" >&2
  exit 2
fi
program="$(basename "$1")"

# Runs the program in the background, so that an interrupt reaches the trap
# at once, and waits for it.
run_program() {
  wine "$@" &
  wait $!
}

if [ "$as_test" = 1 ]; then
  wine_test_env "$prefix"
  # Inside the tests' session, which test.sh started and ends.
  if [ -n "${REELSTACK_TEST_SESSION:-}" ] &&
    [ "$(realpath -m "$REELSTACK_TEST_SESSION")" = "$WINEPREFIX" ]; then
    wine "$@"
    exit $?
  fi
  WINE_XVFB_PID=""
  wine_new_session_token
  wine_claim_test_prefix "$WINEPREFIX" || exit 1
  wine_test_display || exit 1
  if ! wine_start_server || ! wine_prepare_test_prefix; then
    wine_stop_xvfb
    exit 1
  fi
else
  wine_env "$prefix"
  if wine_program_running "$WINEPREFIX" "$program"; then
    echo "wine: $program is already running in $WINEPREFIX"
    exit "$WINE_ALREADY_RUNNING"
  fi
  wine_own_session_start || exit 1
fi

trap 'wine_own_session_interrupt; exit 130' INT TERM HUP
run_program "$@"
rc=$?
trap - INT TERM HUP
wine_own_session_end "$program" "$rc"
exit $rc
