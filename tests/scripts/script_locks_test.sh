#!/usr/bin/env bash
# The scripts' locks (scripts/locks.sh) and the end of what a script started
# (started_processes and end_started_processes in scripts/build-common.sh),
# with small scripts of the test's own standing in for the ones that build:
# a second taker waits with one line and goes on; a script run by the holder
# holds the lock with it; a holder that dies leaves no lock, nor does one
# killed outright while it waits for another lock; a command
# started without the locks keeps none; an ended script's whole tree ends.
#   script_locks_test.sh
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$root/tests/scripts/script_test_support.sh"
work="$(pwd)/script-locks"
rm -rf "$work"
mkdir -p "$work"
lock="$work/build.lock"

# A stand-in for a script that builds: takes the lock as WHO, notes when it
# has it, runs the rest of its arguments as a command, and notes its end.
cat >"$work/taker.sh" <<EOF
#!/usr/bin/env bash
. "$root/scripts/locks.sh"
lock_take REELSTACK_BUILD_LOCK_FD "$lock" "\$1" "building in $work" || exit 1
echo "\$1 has it" >>"$work/events"
shift
"\$@"
echo "done" >>"$work/events"
EOF
chmod +x "$work/taker.sh"

# Whether a non-blocking attempt from outside finds the lock (the build lock
# unless another is named) free.
lock_free_now() {
  flock -n "${1:-$lock}" true
}

# Whether the lock is free within two seconds: a process that closes its
# descriptor or dies does so a moment after the script goes on, while one
# that keeps the descriptor keeps the lock as long as it runs.
lock_free_soon() {
  for _ in $(seq 1 40); do
    lock_free_now "$@" && return 0
    sleep 0.05
  done
  return 1
}

children_of() {
  local stat fields
  for stat in /proc/[0-9]*/stat; do
    read -r -a fields 2>/dev/null <"$stat" || continue
    [ "${fields[3]}" = "$1" ] && echo "${fields[0]}"
  done
}

# A command for a taker that holds the lock until the test lets it go, so
# that no case hangs on how fast a busy machine starts the next process.
cat >"$work/hold.sh" <<EOF
#!/usr/bin/env bash
while [ ! -e "$work/let-go" ]; do sleep 0.05; done
EOF
chmod +x "$work/hold.sh"

let_go() {
  touch "$work/let-go"
}

wait_for_line() {
  for _ in $(seq 1 100); do
    grep -qx "$1" "$work/events" 2>/dev/null && return 0
    sleep 0.05
  done
  return 1
}

echo "== a second taker waits, says for whom, and goes on once the first is done"
rm -f "$work/events" "$work/let-go"
"$work/taker.sh" first "$work/hold.sh" &
first=$!
wait_for_line "first has it" || fail "the first taker did not take the lock"
"$work/taker.sh" second true >"$work/second.out" 2>&1 &
second=$!
for _ in $(seq 1 100); do
  [ -s "$work/second.out" ] && break
  sleep 0.05
done
let_go
wait "$first" "$second"
[ "$(cat "$work/events")" = $'first has it\ndone\nsecond has it\ndone' ] ||
  fail "the takers did not take turns: $(tr '\n' ' ' <"$work/events")"
[ "$(wc -l <"$work/second.out")" = 1 ] &&
  grep -q "^second: waiting for first (pid [0-9]*), which is building in $work$" "$work/second.out" ||
  fail "the waiting line: $(cat "$work/second.out")"

echo "== a script that the holder runs holds the lock with it"
rm -f "$work/events"
timeout 10 "$work/taker.sh" parent "$work/taker.sh" child true >"$work/nested.out" 2>&1
rc=$?
[ "$rc" = 0 ] || fail "the nested takers ended with $rc"
[ ! -s "$work/nested.out" ] || fail "the child waited for its parent: $(cat "$work/nested.out")"

echo "== a lock whose holders died is free"
rm -f "$work/events"
# The command notes its start, so that it is found among the holder's
# children: it holds the descriptor too.
"$work/taker.sh" doomed bash -c "echo started >>'$work/events'; exec sleep 30" &
doomed=$!
wait_for_line "started" || fail "the doomed taker did not start its command"
lock_free_now && fail "the lock was free while held"
children=$(children_of "$doomed")
kill -KILL "$doomed" $children
wait "$doomed" 2>/dev/null
lock_free_soon || fail "the lock outlived its holders"

echo "== a script killed outright while it waits leaves its other lock free"
# As ./run.sh holds the prefix's lock while it waits for the build lock.
rm -f "$work/events" "$work/let-go"
"$work/taker.sh" keeper "$work/hold.sh" &
keeper=$!
wait_for_line "keeper has it" || fail "the keeper did not take the lock"
cat >"$work/waiter.sh" <<EOF
. "$root/scripts/locks.sh"
lock_try REELSTACK_PREFIX_LOCK_FD "$work/prefix.lock" waiter || exit 1
lock_take REELSTACK_BUILD_LOCK_FD "$lock" waiter "building in $work"
EOF
bash "$work/waiter.sh" >"$work/waiter.out" 2>&1 &
waiter=$!
for _ in $(seq 1 100); do
  [ -s "$work/waiter.out" ] && break
  sleep 0.05
done
grep -q "^waiter: waiting for keeper" "$work/waiter.out" || fail "the waiter did not wait: $(cat "$work/waiter.out")"
lock_free_now "$work/prefix.lock" && fail "the waiter's other lock was free while it waited"
kill -KILL "$waiter"
wait "$waiter" 2>/dev/null
lock_free_soon "$work/prefix.lock" || fail "a waiter killed outright left its other lock held"
let_go
wait "$keeper"
# The waiter's flock takes the lock once it is free, and gives it up at once.
lock_free_soon || fail "the killed waiter's flock kept the lock"

echo "== lock_try says whether another holds the lock"
(
  . "$root/scripts/locks.sh"
  rm -f "$work/let-go"
  "$work/taker.sh" holder "$work/hold.sh" &
  holder=$!
  wait_for_line "holder has it"
  lock_try REELSTACK_PREFIX_LOCK_FD "$lock" tryer
  [ $? = 1 ] || fail "lock_try took a held lock"
  let_go
  wait "$holder"
  lock_try REELSTACK_PREFIX_LOCK_FD "$lock" tryer || fail "lock_try did not take a free lock"
  lock_release REELSTACK_PREFIX_LOCK_FD
  # A folder that cannot be made, below a file.
  lock_try REELSTACK_PREFIX_LOCK_FD "$work/events/x.lock" tryer 2>/dev/null
  [ $? = 2 ] || fail "lock_try did not tell a lock file it cannot make"
  exit "$failures"
) || failures=$((failures + $?))

echo "== a command started without the locks keeps none after the script"
(
  . "$root/scripts/locks.sh"
  lock_take REELSTACK_BUILD_LOCK_FD "$lock" keeper "building" || exit 1
  (
    locks_close
    exec sleep 30
  ) >/dev/null 2>&1 &
  echo $! >"$work/server.pid"
  lock_free sleep 0
)
lock_free_soon || fail "a command started without the locks kept one"
kill "$(cat "$work/server.pid")" 2>/dev/null

echo "== ending what a script started ends its whole tree"
# A script of its own, as run.sh is when its trap ends the build: a step with
# a child of its own, as a build step runs ninja and compilers.
cat >"$work/ender.sh" <<EOF
cd "$root" && . scripts/build-common.sh
(
  sleep 30 &
  echo \$! >"$work/grandchild.pid"
  sleep 30
) &
# The step's child is made a moment later on a busy machine.
for _ in \$(seq 1 100); do
  [ -s "$work/grandchild.pid" ] && break
  sleep 0.05
done
started_processes >"$work/started"
end_started_processes
EOF
bash "$work/ender.sh"
grep -qx "$(cat "$work/grandchild.pid")" "$work/started" ||
  fail "the step's own child was not among the started processes: $(tr '\n' ' ' <"$work/started")"
for pid in $(cat "$work/started"); do
  [ "$(cut -d' ' -f3 "/proc/$pid/stat" 2>/dev/null)" = S ] && fail "$pid ($(cat "/proc/$pid/comm")) still runs"
done

rm -rf "$work"
[ "$failures" = 0 ] || exit 1
echo "script locks: all cases passed"
