#!/usr/bin/env bash
# Builds Reelstack and starts it under Wine on the current display (or on a
# private Xvfb when there is none). Returns the program's exit code.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

scripts/setup.sh || exit 1
. scripts/build-common.sh
configure_and_build host || exit 1
scripts/make-data.sh || exit 1
configure_and_build win32 || exit 1

. scripts/wine-env.sh
trap wine_session_stop EXIT
wine_session_start "$root/build/win32/wineprefix" || exit 1
(cd build/win32 && wine ./reelstack.exe "$@")
rc=$?
echo "reelstack exited with $rc"
exit $rc
