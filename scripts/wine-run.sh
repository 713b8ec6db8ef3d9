#!/usr/bin/env bash
# Runs one Windows program under Wine and returns its exit code.
#   wine-run.sh [--test-prefix DIR | --prefix DIR] program.exe [args...]
# By default, and with --test-prefix (which ctest gives as the cross-compiling
# emulator), the program runs as a test: in the tests' own prefix, made and
# marked as theirs (build/win32/test-wineprefix by default), on a display of
# its own unless REELSTACK_SHOW_TESTS=1 (see wine-env.sh). --prefix runs it
# in a prefix of one's own, on the current display or a private Xvfb; a
# program of that name already running there, or being started there by
# another run, is not started again (exit code 3, WINE_ALREADY_RUNNING).
# Such a run holds the prefix's lock for the program (wine_claim_prefix) as
# long as it lives; ./run.sh takes it before it builds and then becomes this
# script, keeping it.
#
# Outside a test session the run is a session of its own (wine-env.sh): it
# ends once every program it started has ended, a program started again by
# the one it ran included, and ends only the Wine session it started.
# Ctrl-C, SIGTERM or SIGHUP end, at any point, every program it started and
# what it started of the session, and the run ends with 128 plus the
# signal's number; also when its output goes into a pipe whose reader has
# gone (output.sh), as the Ctrl-C that ends a run into "| tee" ends tee too.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
survive_broken_output

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
  say "usage: wine-run.sh [--test-prefix DIR | --prefix DIR] program.exe [args...]" >&2
  exit 2
fi
program="$(basename "$1")"

on_signal() {
  trap '' INT TERM HUP
  say "wine: interrupted (SIG$2); ending what this run started"
  # Quiet: the shell would tell of each program it kills by a line of its own.
  wine_own_session_interrupt 2>/dev/null
  exit $((128 + $1))
}

# Takes the prefix's lock for the program, or finds it held for this run by
# ./run.sh; false, after saying so, when another run holds it or the program
# runs there already.
claim_own_prefix() {
  local status=0
  wine_claim_prefix "$WINEPREFIX" "$program" wine-run.sh || status=$?
  if [ "$status" = 2 ]; then
    say "wine: cannot make the lock file in $WINEPREFIX" >&2
    exit 1
  fi
  if [ "$status" = 1 ]; then
    say "wine: $program is already running in $WINEPREFIX"
    exit "$WINE_ALREADY_RUNNING"
  fi
}

if [ "$as_test" = 1 ]; then
  wine_test_env "$prefix"
  # Inside the tests' session, which test.sh started and ends.
  if [ -n "${REELSTACK_TEST_SESSION:-}" ] &&
    [ "$(realpath -m "$REELSTACK_TEST_SESSION")" = "$WINEPREFIX" ]; then
    wine "$@"
    exit $?
  fi
else
  wine_env "$prefix"
  claim_own_prefix
fi

trap 'on_signal 2 INT' INT
trap 'on_signal 15 TERM' TERM
trap 'on_signal 1 HUP' HUP
if [ "$as_test" = 1 ]; then
  WINE_XVFB_PID=""
  wine_new_session_token
  wine_claim_test_prefix "$WINEPREFIX" || exit 1
  wine_test_display || exit 1
  if ! wine_start_server || ! wine_prepare_test_prefix; then
    wine_stop_xvfb
    exit 1
  fi
else
  wine_own_session_start || exit 1
fi

wine_wait_for wine "$@"
rc=$?
wine_own_session_end "$program" "$rc"
# A run by hand tells its program's own code from its refusal above.
[ "$as_test" = 1 ] || say "wine: $program exited with $rc"
exit $rc
