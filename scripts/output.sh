# Sourced by the scripts that build or run the program: their own lines to
# the user. A run's output may go into a pipe whose reader is gone by the
# time it writes (Ctrl-C to "./run.sh | tee log" ends tee too) or into a
# file that can no longer be written; such a write costs the script its
# line, never the rest of its work, least of all the end of what it started.

# Catches SIGPIPE instead of dying of it: a write into a pipe without a
# reader then merely fails. Caught, not ignored, so that the commands the
# script starts get the default back: a build tool or Wine still ends on a
# broken pipe as usual.
survive_broken_output() {
  trap ':' PIPE
}

# Writes one line; a write that fails is dropped without a word, since the
# only place to say so may be gone as well.
say() {
  printf '%s\n' "$*" 2>/dev/null || true
}
