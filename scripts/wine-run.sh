#!/usr/bin/env bash
# Runs one Windows program under Wine and returns its exit code.
#   wine-run.sh [--prefix DIR] program.exe [args...]
# ctest uses it as the cross-compiling emulator. When no X display is set it
# brings up a private Xvfb for this run only and ends it afterwards.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"

prefix="$(cd "$here/.." && pwd)/build/win32/wineprefix"
if [ "${1:-}" = "--prefix" ]; then
  prefix="$2"
  shift 2
fi
if [ $# -lt 1 ]; then
  echo "usage: wine-run.sh [--prefix DIR] program.exe [args...]" >&2
  exit 2
fi

wine_env "$prefix"
WINE_XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
  wine_start_xvfb || exit 1
  wine_set_managed N
fi

wine "$@"
rc=$?

if [ -n "$WINE_XVFB_PID" ]; then
  # Our private display goes away with this run: let Wine finish with it first.
  wineserver -w >/dev/null 2>&1
fi
wine_stop_xvfb
exit $rc
