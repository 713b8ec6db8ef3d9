#!/usr/bin/env bash
# Builds Reelstack and starts it under Wine on the current display (or on a
# private Xvfb when there is none). Returns the program's exit code once
# every program of its session has ended (after a restart, the first
# program's); 3 when Reelstack already runs in the prefix, which it then
# leaves as it is.
#
# The program runs in a Wine prefix of the user's own, outside the checkout
# (wine_user_prefix in scripts/wine-env.sh: by default
# ~/.local/share/reelstack/wineprefix, REELSTACK_WINEPREFIX names another),
# where its data folder holds the user's collections and "config.dat". The
# tests never use it.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

. scripts/wine-env.sh

# The names of the collections in a data folder; false when it holds none.
collections_in() {
  local file names=()
  for file in "$1"/*/*.rsdb; do
    [ -f "$file" ] && names+=("$(basename "$(dirname "$file")")")
  done
  [ ${#names[@]} -gt 0 ] && echo "${names[*]}"
}

# Earlier versions of this script kept the prefix, and the user's
# collections with it, inside the build tree. That prefix is never removed
# or changed; while the user's prefix holds no data yet, the user is told
# where those collections are.
tell_of_earlier_collections() {
  local prefix="$1" data old names
  data=$(wine_data_folder "$prefix") && [ -d "$data" ] && return 0
  old=$(wine_data_folder "$root/build/win32/wineprefix") || return 0
  names=$(collections_in "$old") || return 0
  echo "run.sh: an earlier version kept Reelstack's data in the build tree. Its collections"
  echo "  ($names) are still in $old, left as they are."
  echo "  Reelstack now keeps its data in the Wine prefix $prefix;"
  echo "  to go on with them, close Reelstack and copy that folder's contents into its data"
  echo "  folder (%APPDATA%\\Reelstack, under drive_c/users there)."
}

prefix="$(wine_user_prefix)" || exit 1
prefix="$(realpath -m "$prefix")"
if wine_is_test_prefix "$prefix"; then
  echo "run.sh: $prefix is the tests' own prefix, whose data they remove; name another with REELSTACK_WINEPREFIX" >&2
  exit 1
fi
# A second start leaves the running program, its session and its files as
# they are: the build would replace what it runs on.
if wine_program_running "$prefix" reelstack.exe; then
  echo "Reelstack is already running in $prefix"
  exit "$WINE_ALREADY_RUNNING"
fi

scripts/setup.sh || exit 1
. scripts/build-common.sh
configure_and_build host || exit 1
scripts/make-data.sh || exit 1
configure_and_build win32 || exit 1

tell_of_earlier_collections "$prefix"
echo "reelstack: its collections and configuration are kept in $(wine_data_folder "$prefix")"
# wine-run.sh returns once every program of the session has ended, the one
# that a restart starts again included, with the code of the first.
(cd build/win32 && "$root/scripts/wine-run.sh" --prefix "$prefix" ./reelstack.exe "$@")
rc=$?
[ "$rc" = "$WINE_ALREADY_RUNNING" ] && exit "$rc"
echo "reelstack exited with $rc"
exit $rc
