# Sourced by the scripts that build or run the program: kernel locks (flock)
# that make them take turns. A lock is held through a descriptor of the
# script's own, which the steps it runs while it holds the lock share (a
# build, make-data.sh), and ends with the last process that has it open: a
# script that dies, even killed outright, leaves none behind once those
# steps have ended. The lock file itself stays on disk and holds the name of
# the script that took the lock last.
#
# The descriptor's number is kept in an exported variable: a script that this
# one runs (make-data.sh from run.sh, say) finds the descriptor open and takes
# the lock through it as its own, instead of waiting for its own parent.
# Nothing that may outlive the script (a server, a display, a program) gets
# the descriptor: locks_close and lock_free start such commands without it.

# shellcheck source=output.sh
. "$(dirname "${BASH_SOURCE[0]}")/output.sh"

# The variables that may hold a lock's descriptor.
LOCK_VARIABLES=(REELSTACK_BUILD_LOCK_FD REELSTACK_PREFIX_LOCK_FD)

# Whether the variable names a descriptor of this shell open on that file,
# which is then one this script or its parent took the lock through.
lock_is_open() {
  local fd="${!1:-}"
  [ -n "$fd" ] || return 1
  [ "$(readlink "/proc/$BASHPID/fd/$fd" 2>/dev/null)" = "$(realpath -m "$2")" ]
}

# Opens the lock file unless the variable names it open already.
lock_open() {
  local variable="$1" file="$2" fd
  lock_is_open "$variable" "$file" && return 0
  mkdir -p "$(dirname "$file")" || return 1
  exec {fd}>>"$file" || return 1
  export "$variable=$fd"
}

# lock_try VARIABLE FILE WHO: takes the lock if no other script holds it, and
# notes WHO in it; 1, without waiting, when another script holds it, and 2
# when the lock file cannot be made.
lock_try() {
  local variable="$1" file="$2" inherited=0
  lock_is_open "$variable" "$file" && inherited=1
  lock_open "$variable" "$file" || return 2
  if ! flock -n "${!variable}"; then
    lock_release "$variable"
    return 1
  fi
  [ "$inherited" = 1 ] || lock_note "$file" "$3"
}

# lock_take VARIABLE FILE WHO WHAT: takes the lock, waiting as long as another
# script holds it; when it has to wait it says so in one line, naming the
# holder and WHAT it does ("building in build/").
lock_take() {
  local variable="$1" file="$2" who="$3" what="$4" holder waiter
  if lock_is_open "$variable" "$file"; then
    flock -n "${!variable}" && return 0
  fi
  lock_open "$variable" "$file" || return 1
  if ! flock -n "${!variable}"; then
    holder=$(head -n 1 "$file" 2>/dev/null)
    say "$who: waiting for ${holder:-another script}, which is $what"
    # In the background, so that a trapped signal is handled at once; with
    # none of the script's other locks, which a waiter left behind by a
    # script killed outright would otherwise keep until it got this one.
    (
      locks_close_but "$variable"
      exec flock "${!variable}"
    ) &
    waiter=$!
    wait "$waiter" || return 1
  fi
  lock_note "$file" "$who"
}

lock_note() {
  printf '%s (pid %s)\n' "$2" "$$" >"$1" 2>/dev/null || true
}

# Closes this script's descriptor of the lock: the lock ends unless a
# process this script started still has the descriptor open.
lock_release() {
  local fd="${!1:-}"
  # A number inherited through the environment may name another file by now.
  if [ -n "$fd" ] && [[ "$(readlink "/proc/$BASHPID/fd/$fd" 2>/dev/null)" == *.lock ]]; then
    exec {fd}>&-
  fi
  unset "$1"
}

# Closes every lock's descriptor of this shell. In a subshell before an exec,
# for a command that may outlive the script (a server, a display, a
# program): "(locks_close; exec server) &" keeps the server's process id.
locks_close() {
  locks_close_but ""
}

# Closes every lock's descriptor of this shell but the variable's.
locks_close_but() {
  local variable
  for variable in "${LOCK_VARIABLES[@]}"; do
    [ "$variable" = "$1" ] || lock_release "$variable"
  done
}

# Runs a command to its end without any lock's descriptor, for one that
# leaves a process behind (the wineserver's launcher, say).
lock_free() {
  (
    locks_close
    exec "$@"
  )
}
