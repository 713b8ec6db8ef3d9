#!/usr/bin/env bash
# Builds Reelstack and starts it under Wine on the current display (or on a
# private Xvfb when there is none). Returns the program's exit code once
# every program it started has ended (after a restart, the first program's);
# 3 when Reelstack already runs in the prefix, or another ./run.sh is about
# to start it there, which it then leaves as it is. Ctrl-C, SIGTERM or SIGHUP
# end what the run started, at any point, and the run with 128 plus the
# signal's number, whatever its output goes into: a pipe whose reader has
# gone costs the run its lines, never its work (scripts/output.sh).
#
# It builds in turn with the other scripts that build (scripts/locks.sh):
# when one of them builds, it says so and waits.
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
. scripts/build-common.sh
survive_broken_output

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
  say "run.sh: an earlier version kept Reelstack's data in the build tree. Its collections"
  say "  ($names) are still in $old, left as they are."
  say "  Reelstack now keeps its data in the Wine prefix $prefix;"
  say "  to go on with them, close Reelstack and copy that folder's contents into its data"
  say "  folder (%APPDATA%\\Reelstack, under drive_c/users there)."
}

prefix="$(wine_user_prefix)" || exit 1
prefix="$(realpath -m "$prefix")"
if wine_is_test_prefix "$prefix"; then
  say "run.sh: $prefix is the tests' own prefix, whose data they remove; name another with REELSTACK_WINEPREFIX" >&2
  exit 1
fi

# The run holds the prefix's lock for the program from here to its end,
# through the build and the program's whole run (wine-run.sh, which this
# script becomes, keeps it): a second start is refused at once, whether this
# one still builds or its program runs, and its build would replace what the
# program runs on. A program started otherwise is found running.
status=0
wine_claim_prefix "$prefix" reelstack.exe run.sh || status=$?
if [ "$status" = 2 ]; then
  say "run.sh: cannot make the folder $prefix" >&2
  exit 1
fi
if [ "$status" = 1 ]; then
  say "Reelstack is already running in $prefix"
  exit "$WINE_ALREADY_RUNNING"
fi

# Each step of the build runs in the background, so that a signal reaches the
# trap at once, and without the prefix's lock, which nothing it starts may
# keep.
build_step() {
  (
    lock_release REELSTACK_PREFIX_LOCK_FD
    "$@"
  ) &
  wait $!
}

build_interrupted() {
  trap '' INT TERM HUP
  say "run.sh: interrupted (SIG$2); ending the build"
  end_started_processes
  exit $((128 + $1))
}

mark_started_processes
trap 'build_interrupted 2 INT' INT
trap 'build_interrupted 15 TERM' TERM
trap 'build_interrupted 1 HUP' HUP
build_lock_take run.sh || exit 1
build_step scripts/setup.sh || exit 1
build_step configure_and_build host || exit 1
build_step scripts/make-data.sh || exit 1
build_step configure_and_build win32 || exit 1
build_lock_release

tell_of_earlier_collections "$prefix"
say "reelstack: its collections and configuration are kept in $(wine_data_folder "$prefix")"
# From here wine-run.sh is this process, with its signals and the prefix's
# lock: it returns once every program it started has ended, the one that a
# restart starts again included, with the code of the first, and says which
# code that was or that it found the program running.
trap - INT TERM HUP
unset REELSTACK_STARTED_BY
cd build/win32 || exit 1
exec "$root/scripts/wine-run.sh" --prefix "$prefix" ./reelstack.exe "$@"
