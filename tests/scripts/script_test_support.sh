# Sourced by the tests of the scripts: failures counted, a script started as
# a terminal starts a command, output into a pipe whose reader the test ends,
# and whether a process has ended.

# The failures so far; a test ends non-zero when there are any.
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# Runs a command as a terminal starts one: in a process group of its own,
# with Ctrl-C's signal not ignored (a background job of a script ignores
# it). Meant for a background subshell, whose $! is then the command's own
# process id. Perl is part of every Debian system.
exec_as_from_terminal() {
  exec perl -e '$SIG{INT} = "DEFAULT"; setpgrp(0, 0); exec @ARGV or die "exec: $!"' "$@"
}

# Makes a named pipe at the path given, whose reader copies what it reads
# into the file given; end_reader ends that reader, leaving whoever writes
# into the pipe without one, as a Ctrl-C that ends "| tee" leaves a run.
start_reader() {
  rm -f "$1"
  mkfifo "$1" || return 1
  cat "$1" >"$2" &
  reader_pid=$!
}

end_reader() {
  kill "$reader_pid" 2>/dev/null
  wait "$reader_pid" 2>/dev/null
  return 0
}

# Whether a process has ended (a zombie not yet waited for has).
has_ended() {
  local line
  read -r line 2>/dev/null <"/proc/$1/stat" || return 0
  line=${line##*) }
  [ "${line:0:1}" = Z ]
}
