#!/usr/bin/env bash
# Runs one Windows program under Wine and returns its exit code.
#   wine-run.sh [--test-prefix DIR | --prefix DIR] program.exe [args...]
# By default, and with --test-prefix (which ctest gives as the cross-compiling
# emulator), the program runs as a test: in the tests' own prefix, made and
# marked as theirs (build/win32/test-wineprefix by default), on a display of
# its own unless REELSTACK_SHOW_TESTS=1 (see wine-env.sh). --prefix runs it
# in a prefix of one's own, on the current display or a private Xvfb.
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

WINE_XVFB_PID=""
if [ "$as_test" = 1 ]; then
  wine_test_env "$prefix"
  if [ -z "${REELSTACK_TEST_SESSION:-}" ] ||
    [ "$(realpath -m "$REELSTACK_TEST_SESSION")" != "$(realpath -m "$prefix")" ]; then
    wine_test_display || exit 1
    wine_prepare_test_prefix || {
      wine_stop_xvfb
      exit 1
    }
  fi
else
  wine_env "$prefix"
  if [ -z "${DISPLAY:-}" ]; then
    wine_start_xvfb || exit 1
    wine_set_managed N
  fi
fi

wine "$@"
rc=$?

if [ -n "$WINE_XVFB_PID" ]; then
  # Our private display goes away with this run: let Wine finish with it first.
  wineserver -w >/dev/null 2>&1
fi
wine_stop_xvfb
exit $rc
