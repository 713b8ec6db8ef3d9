#!/usr/bin/env bash
# The sessions of scripts/wine-run.sh --prefix, which ./run.sh starts the
# program with, as a user meets them: in a prefix of the test's own (kept
# between runs, so that only the first run pays for making it), with a
# stand-in for reelstack.exe that holds the program's single-instance mutex
# and restarts through the real Helper.exe.
#   run_sessions_test.sh STANDIN.exe HELPER.exe
# Cases: the wait for a command, killed or not; a second start beside a
# running program; two starts at once; a restart; a kill; a program that
# itself ends with 3; signals to the run at each point, also with its output
# into a pipe whose reader has gone; a program in the prefix that no run
# started, its prefix spelled otherwise too. After each, nothing of what the
# runs started may be left running.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$root/scripts/wine-env.sh"
. "$root/tests/scripts/script_test_support.sh"

work="$(pwd)/run-sessions"
prefix="$work/wineprefix"
program="$work/program"
control="$work/control"
mkdir -p "$program" "$control"
cp "$1" "$program/reelstack.exe"
cp "$1" "$program/other.exe"
cp "$2" "$program/Helper.exe"
export REELSTACK_STANDIN_FOLDER="Z:${control//\//\\}"
# Without a display, as on a machine without X, each run starts a private
# Xvfb, which it must end with the rest.
unset DISPLAY

# Ends whatever an earlier, broken run left in the test's own prefix.
end_leftovers() {
  (wine_env "$prefix" && wineserver -k >/dev/null 2>&1) || true
  local display
  for display in $(displays_left); do
    kill "$display" 2>/dev/null
  done
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

# Starts a run as a terminal starts a command, its output into NAME.out or
# into the file given; $! is the run's script.
#   start_run NAME [OUTPUT]
start_run() {
  (
    cd "$program" &&
      exec_as_from_terminal "$root/scripts/wine-run.sh" --prefix "$prefix" ./reelstack.exe
  ) >"${2:-$work/$1.out}" 2>&1 &
}

# Waits up to the seconds given for a run to end and sets run_rc to its exit
# code; a run still going then is ended and counts as 124.
finish_run() {
  local run="$1" seconds="$2"
  for _ in $(seq 1 $((seconds * 10))); do
    has_ended "$run" && break
    sleep 0.1
  done
  if ! has_ended "$run"; then
    kill -TERM "$run"
    wait "$run"
    run_rc=124
    return
  fi
  wait "$run"
  run_rc=$?
}

# Whether a program of that file name runs in the prefix.
running() {
  wine_program_running "$(realpath -m "$prefix")" "$1"
}

# The private displays that runs in the prefix started and that still run.
displays_left() {
  local dir comm
  for dir in /proc/[0-9]*; do
    read -r comm 2>/dev/null <"$dir/comm" || continue
    [ "$comm" = Xvfb ] || continue
    tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx "WINEPREFIX=$(realpath -m "$prefix")" &&
      echo "${dir#/proc/}"
  done
}

expect_nothing_left() {
  local left
  left=$(wine_processes "$(realpath -m "$prefix")")
  [ -z "$left" ] || fail "$1: left running: $(echo "$left" | wine_program_names)"
  [ -z "$(displays_left)" ] || fail "$1: left its private Xvfb running"
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

# Each case starts with nothing of an earlier one running, so that a case
# that failed leaves the next its own.
new_case() {
  echo "== $1"
  end_leftovers
  rm -f "$control"/*
}

end_leftovers

# The wait that every run's program and server go through gives back the
# command's status, a signal's included, and leaves the telling to the run.
wait_rows=(
  "exit 3 3"
  "kill -KILL \$\$ 137"
  "kill -TERM \$\$ 143"
)
for row in "${wait_rows[@]}"; do
  command="${row% *}"
  expected="${row##* }"
  echo "== waiting for: $command"
  # The command after: a shell tells of a background job's end by signal
  # when it next waits for one in the foreground.
  said=$( { wine_wait_for bash -c "$command"; echo "status $?"; sleep 0; } 2>&1)
  [ "$said" = "status $expected" ] || fail "waiting for \"$command\" gave: $said"
done

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
has_ended "$first" && fail "the first run ended beside the second"
wine_program_running "$(realpath -m "$prefix")" reelstack.exe || fail "the first program is gone"
close_and_expect_clean_end "$first" first

new_case "two starts at once give one program and one refusal"
start_run twin-a
twin_a=$!
start_run twin-b
twin_b=$!
wait_for_count started 1 120 || fail "neither start started the program"
# The refusal comes before the program starts, but a busy machine can be
# slow to end its script.
refused_run=""
for _ in $(seq 1 100); do
  for run in "$twin_a" "$twin_b"; do
    has_ended "$run" && refused_run="$run"
  done
  [ -n "$refused_run" ] && break
  sleep 0.1
done
if [ -z "$refused_run" ]; then
  fail "both starts are still running"
  touch "$control/quit"
  wait "$twin_a" "$twin_b"
else
  finish_run "$refused_run" 1
  [ "$run_rc" = "$WINE_ALREADY_RUNNING" ] || fail "the second of two starts ended with $run_rc"
  [ "$(count started)" = 1 ] && [ "$(count refused)" = 0 ] || fail "two starts at once both started the program"
  if [ "$refused_run" = "$twin_a" ]; then
    close_and_expect_clean_end "$twin_b" twin-b
  else
    close_and_expect_clean_end "$twin_a" twin-a
  fi
fi

new_case "the run waits for the program that a restart starts again"
touch "$control/restart"
start_run restart
run=$!
wait_for_count started 2 60 || fail "the program did not start again: $(cat "$work/restart.out")"
[ "$(count restarting)" = 1 ] || fail "the first instance did not restart"
sleep 1
has_ended "$run" && fail "the run ended while the restarted program runs"
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

new_case "a program that itself ends with 3 is told from a refusal"
touch "$control/fail"
start_run failing
finish_run $! 60
[ "$run_rc" = 3 ] || fail "the run of a program ending with 3 ended with $run_rc"
grep -q "reelstack.exe exited with 3" "$work/failing.out" || fail "the run did not say the program's code: $(cat "$work/failing.out")"
! grep -q "already running" "$work/failing.out" || fail "the run took the program's 3 for a refusal"
expect_nothing_left "failing"

# Each signal, to the run's process group as Ctrl-C or a closed terminal
# sends it or to the run's script alone as a kill does, while the first
# program runs or while the run waits for the program a restart started.
signal_rows=(
  "INT group restart 130"
  "INT script first 130"
  "TERM script first 143"
  "TERM script restart 143"
  "HUP group first 129"
  "HUP script restart 129"
)
for row in "${signal_rows[@]}"; do
  read -r signal target moment expected <<<"$row"
  name="signal-$signal-$target-$moment"
  new_case "SIG$signal to the run's $target while $moment: nothing is left"
  instances=1
  if [ "$moment" = restart ]; then
    touch "$control/restart"
    instances=2
  fi
  start_run "$name"
  run=$!
  if ! wait_for_count started "$instances" 60; then
    fail "$name: the program did not start: $(cat "$work/$name.out")"
    continue
  fi
  if [ "$target" = group ]; then
    kill -"$signal" -- "-$run"
  else
    kill -"$signal" "$run"
  fi
  finish_run "$run" 30
  [ "$run_rc" = "$expected" ] || fail "$name: the run ended with $run_rc, not $expected: $(cat "$work/$name.out")"
  [ "$(count closed)" = 0 ] || fail "$name: the program was closed, not ended"
  expect_nothing_left "$name"
done

# With the run's output into a pipe whose reader ended before the signal,
# as Ctrl-C ends tee in "./run.sh | tee log": the run loses its lines, never
# the end of what it started. In the last row no signal comes: the program
# is closed, and the run ends as usual.
unread_rows=(
  "INT first 130"
  "INT restart 130"
  "TERM first 143"
  "none restart 0"
)
for row in "${unread_rows[@]}"; do
  read -r signal moment expected <<<"$row"
  name="unread-$signal-$moment"
  event="SIG$signal to the run's script"
  [ "$signal" = none ] && event="the program closed"
  new_case "output unread, $event while $moment: nothing is left"
  instances=1
  if [ "$moment" = restart ]; then
    touch "$control/restart"
    instances=2
  fi
  start_reader "$work/$name.fifo" "$work/$name.out" || exit 1
  start_run "$name" "$work/$name.fifo"
  run=$!
  if ! wait_for_count started "$instances" 60; then
    fail "$name: the program did not start: $(cat "$work/$name.out")"
    end_reader
    continue
  fi
  end_reader
  closed=0
  if [ "$signal" = none ]; then
    touch "$control/quit"
    closed=1
  else
    kill -"$signal" "$run"
  fi
  finish_run "$run" 30
  [ "$run_rc" = "$expected" ] || fail "$name: the run ended with $run_rc, not $expected"
  [ "$(count closed)" = "$closed" ] || fail "$name: the program was closed $(count closed) times, not $closed"
  expect_nothing_left "$name"
done

# Starts the stand-in by hand in the prefix, outside any run, with
# WINEPREFIX spelled as given; $! is it.
#   start_by_hand SPELLING NAME ARGUMENTS...
start_by_hand() {
  local spelling="$1" name="$2"
  shift 2
  (
    wine_env "$prefix"
    export WINEPREFIX="$spelling"
    unset REELSTACK_SESSION_TOKEN
    cd "$program" && exec wine "$@"
  ) >"$work/$name.out" 2>&1 &
}

# A program started by hand in the prefix, spelled as the runs spell it or
# otherwise: Wine takes every spelling for the one prefix, and so must the
# runs.
ln -sfn "$(realpath -m "$prefix")" "$work/prefix-link"
spellings=("$(realpath -m "$prefix")" "$(realpath -m "$prefix")/" "$work/prefix-link")
for spelling in "${spellings[@]}"; do
  new_case "a program started by hand in $spelling outlives the runs beside it"
  start_run owner
  run=$!
  wait_for_count started 1 60 || fail "the program did not start: $(cat "$work/owner.out")"
  start_by_hand "$spelling" other ./other.exe -other
  other=$!
  wait_for_count other 1 60 || fail "the other program did not start"
  touch "$control/quit"
  finish_run "$run" 30
  [ "$run_rc" = 0 ] || fail "the run beside another's program ended with $run_rc: $(cat "$work/owner.out")"
  running other.exe || fail "the run's end took the other program with it"
  rm -f "$control/quit"
  start_run joined
  run=$!
  wait_for_count started 2 60 || fail "the joined program did not start: $(cat "$work/joined.out")"
  kill -INT -- "-$run"
  finish_run "$run" 30
  [ "$run_rc" = 130 ] || fail "the interrupted run beside another's program ended with $run_rc"
  running reelstack.exe && fail "the interrupted run left its program"
  running other.exe || fail "the interrupt took the other program with it"
  touch "$control/quit-other"
  wait "$other"
  (wine_env "$prefix" && wineserver -w)
  expect_nothing_left "other"

  new_case "a start beside reelstack.exe started by hand in $spelling is refused"
  start_by_hand "$spelling" by-hand ./reelstack.exe
  by_hand=$!
  wait_for_count started 1 60 || fail "the program started by hand did not start"
  start_run beside
  finish_run $! 30
  [ "$run_rc" = "$WINE_ALREADY_RUNNING" ] || fail "the start beside it ended with $run_rc: $(cat "$work/beside.out")"
  grep -q "reelstack.exe is already running in " "$work/beside.out" || fail "the start beside it said: $(cat "$work/beside.out")"
  [ "$(count started)" = 1 ] && [ "$(count refused)" = 0 ] || fail "the start beside it started the program"
  touch "$control/quit"
  wait "$by_hand"
  (wine_env "$prefix" && wineserver -w)
  expect_nothing_left "by hand"
done

end_leftovers
[ "$failures" = 0 ] || exit 1
echo "run sessions: all cases passed"
