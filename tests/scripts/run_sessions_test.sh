#!/usr/bin/env bash
# The sessions of scripts/wine-run.sh --prefix, which ./run.sh starts the
# program with, as a user meets them: in a prefix of the test's own (kept
# between runs, so that only the first run pays for making it), with a
# stand-in for reelstack.exe that holds the program's single-instance mutex
# and restarts through the real Helper.exe.
#   run_sessions_test.sh STANDIN.exe HELPER.exe
# Cases: a second start beside a running program; a restart; a kill. After
# each, nothing of the session may be left running.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$root/scripts/wine-env.sh"

work="$(pwd)/run-sessions"
prefix="$work/wineprefix"
program="$work/program"
control="$work/control"
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

mkdir -p "$program" "$control"
cp "$1" "$program/reelstack.exe"
cp "$2" "$program/Helper.exe"
export REELSTACK_STANDIN_FOLDER="Z:${control//\//\\}"

# Ends whatever an earlier, broken run left in the test's own prefix.
end_leftovers() {
  (wine_env "$prefix" && wineserver -k >/dev/null 2>&1) || true
}

# How many lines of the stand-ins' log are the word.
count() {
  if [ -f "$control/log" ]; then
    grep -cx "$1" "$control/log"
  else
    echo 0
  fi
}

wait_for_count() {
  local word="$1" wanted="$2" seconds="$3"
  for _ in $(seq 1 $((seconds * 10))); do
    [ "$(count "$word")" -ge "$wanted" ] && return 0
    sleep 0.1
  done
  return 1
}

start_run() {
  (cd "$program" && exec "$root/scripts/wine-run.sh" --prefix "$prefix" ./reelstack.exe) >"$work/$1.out" 2>&1 &
}

expect_nothing_left() {
  local left
  left=$(wine_processes "$(realpath -m "$prefix")")
  [ -z "$left" ] || fail "$1: left running: $(echo "$left" | wine_program_names)"
}

# Asks the running stand-in to close, then expects its run to end with 0
# after one normal close, leaving nothing of its session.
close_and_expect_clean_end() {
  local run="$1" name="$2" rc
  touch "$control/quit"
  wait "$run"
  rc=$?
  [ "$rc" = 0 ] || fail "the $name run ended with $rc: $(cat "$work/$name.out")"
  [ "$(count closed)" = 1 ] || fail "the $name program was not closed normally"
  expect_nothing_left "$name"
}

new_case() {
  echo "== $1"
  rm -f "$control"/*
}

end_leftovers

new_case "a second start leaves the running program and its session alone"
start_run first
first=$!
wait_for_count started 1 120 || fail "the first program did not start: $(cat "$work/first.out")"
(cd "$program" && "$root/scripts/wine-run.sh" --prefix "$prefix" ./reelstack.exe) >"$work/second.out" 2>&1
second_rc=$?
[ "$second_rc" = "$WINE_ALREADY_RUNNING" ] || fail "the second start ended with $second_rc, not $WINE_ALREADY_RUNNING"
grep -q "reelstack.exe is already running in " "$work/second.out" || fail "the second start said: $(cat "$work/second.out")"
[ "$(count started)" = 1 ] && [ "$(count refused)" = 0 ] || fail "the second start started the program"
sleep 1
kill -0 "$first" 2>/dev/null || fail "the first run ended beside the second"
wine_program_running "$(realpath -m "$prefix")" reelstack.exe || fail "the first program is gone"
close_and_expect_clean_end "$first" first

new_case "the run waits for the program that a restart starts again"
touch "$control/restart"
start_run restart
run=$!
wait_for_count started 2 60 || fail "the program did not start again: $(cat "$work/restart.out")"
[ "$(count restarting)" = 1 ] || fail "the first instance did not restart"
sleep 1
kill -0 "$run" 2>/dev/null || fail "the run ended while the restarted program runs"
close_and_expect_clean_end "$run" restart

new_case "a killed program leaves nothing of its session"
start_run killed
run=$!
wait_for_count started 1 60 || fail "the program did not start: $(cat "$work/killed.out")"
while read -r pid name; do
  [ "$name" = reelstack.exe ] && kill -KILL "$pid"
done < <(wine_programs "$(realpath -m "$prefix")")
wait "$run"
run_rc=$?
[ "$run_rc" = 137 ] || fail "the killed run ended with $run_rc"
expect_nothing_left "killed"

end_leftovers
[ "$failures" = 0 ] || exit 1
echo "run sessions: all cases passed"
