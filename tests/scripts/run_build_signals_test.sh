#!/usr/bin/env bash
# ./run.sh interrupted while it builds, as a copy of the script in a tree of
# the test's own whose first build step is a stand-in: a step that starts a
# child of its own, as a build runs compilers, and waits. Each signal, to
# the script alone or to its process group, must end the step and its
# child, free the build tree's and the prefix's locks, and end the run with
# 128 plus the signal's number, whether its output goes to a reader or into
# a pipe whose reader has gone.
#   run_build_signals_test.sh
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$root/tests/scripts/script_test_support.sh"

work="$(pwd)/run-build-signals"
tree="$work/tree"
prefix="$work/prefix"
rm -rf "$work"
mkdir -p "$tree"
cp "$root/run.sh" "$tree/"
cp -r "$root/scripts" "$tree/"
cat >"$tree/scripts/setup.sh" <<EOF
#!/usr/bin/env bash
sleep 300 &
echo "\$\$ \$!" >"$work/step.pids"
wait
EOF

# Starts the copy of run.sh as a terminal would, its output into the file
# given; $! is the script.
start_run() {
  (
    cd "$work" &&
      REELSTACK_WINEPREFIX="$prefix" exec_as_from_terminal "$tree/run.sh"
  ) >"$1" 2>&1 &
}

wait_for_step() {
  for _ in $(seq 1 200); do
    [ -s "$work/step.pids" ] && return 0
    sleep 0.05
  done
  return 1
}

# Waits up to ten seconds for the run to end; sets run_rc, 124 when it had
# to be killed.
finish_run() {
  for _ in $(seq 1 200); do
    has_ended "$1" && break
    sleep 0.05
  done
  if ! has_ended "$1"; then
    kill -KILL -- "-$1" 2>/dev/null
    wait "$1"
    run_rc=124
    return
  fi
  wait "$1"
  run_rc=$?
}

lock_is_free() {
  flock -n "$1" true
}

# Each signal, to the run's script as a kill sends it or to its process
# group as a terminal does, with the run's output read to the end or into a
# pipe whose reader ended before the signal.
rows=(
  "INT script read 130"
  "INT script unread 130"
  "INT group unread 130"
  "TERM script unread 143"
  "HUP group unread 129"
)
for row in "${rows[@]}"; do
  read -r signal target output expected <<<"$row"
  name="SIG$signal to the $target, output $output"
  echo "== $name"
  rm -f "$work/step.pids"
  if [ "$output" = read ]; then
    start_run "$work/run.out"
  else
    start_reader "$work/run.fifo" "$work/run.out" || exit 1
    start_run "$work/run.fifo"
  fi
  run=$!
  if ! wait_for_step; then
    fail "$name: the build step did not start: $(cat "$work/run.out")"
    kill -KILL -- "-$run" 2>/dev/null
    wait "$run"
    continue
  fi
  [ "$output" = read ] || end_reader
  if [ "$target" = group ]; then
    kill -"$signal" -- "-$run"
  else
    kill -"$signal" "$run"
  fi
  finish_run "$run"
  [ "$run_rc" = "$expected" ] || fail "$name: the run ended with $run_rc, not $expected: $(cat "$work/run.out")"
  for pid in $(cat "$work/step.pids"); do
    if ! has_ended "$pid"; then
      fail "$name: $(cat "/proc/$pid/cmdline" | tr '\0' ' ')was left running"
      kill -KILL "$pid"
    fi
  done
  lock_is_free "$tree/build/build.lock" || fail "$name: the build tree's lock was left held"
  lock_is_free "$prefix/.run-reelstack.exe.lock" || fail "$name: the prefix's lock was left held"
  if [ "$output" = read ]; then
    grep -qx "run.sh: interrupted (SIG$signal); ending the build" "$work/run.out" ||
      fail "$name: the run did not say so: $(cat "$work/run.out")"
  fi
done

rm -rf "$work"
[ "$failures" = 0 ] || exit 1
echo "run build signals: all cases passed"
