# Sourced by the scripts that build (test.sh, run.sh, bench.sh, fuzz.sh,
# make-data.sh), from the checkout's root: configures a build tree once and
# builds it, under the build tree's lock.
#   configure_and_build host|win32|fuzz|bench

# shellcheck source=locks.sh
. "$(dirname "${BASH_SOURCE[0]}")/locks.sh"

# The compiler cache lives outside the checkout (ccache's own folder). Paths
# are made relative to the checkout and the working folder is left out of the
# key, so another clone of the tree, CI's included, reuses what was compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-20G}"

# The scripts that build take turns over build/: one at a time installs what
# is missing, builds a tree or makes the data. A script that finds the lock
# taken says for whom it waits, then waits. A script run by one that holds
# the lock (make-data.sh by test.sh) holds it with its parent.
#   build_lock_take WHO
build_lock_take() {
  lock_take REELSTACK_BUILD_LOCK_FD "$(pwd)/build/build.lock" "$1" "building in $(pwd)/build"
}

build_lock_release() {
  lock_release REELSTACK_BUILD_LOCK_FD
}

configure_and_build() {
  local kind="$1" dir="build/$1"
  local args=(-S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  case "$kind" in
    win32) args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake) ;;
    fuzz) args+=(-DREELSTACK_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14) ;;
    bench) args+=(-DREELSTACK_BENCH=ON -DCMAKE_BUILD_TYPE=Release) ;;
  esac
  if [ ! -f "$dir/build.ninja" ]; then
    echo "== configuring $dir"
    mkdir -p build
    if ! cmake "${args[@]}" >"build/$kind.configure.log" 2>&1; then
      cat "build/$kind.configure.log"
      # Only CMake's own state: the tree may hold a Wine prefix with data.
      rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
      return 1
    fi
  fi
  echo "== building $dir"
  cmake --build "$dir" -j "${REELSTACK_JOBS:-$(nproc)}"
}

# Marks what this shell starts from here on, and what that starts in turn:
# each carries the token in its environment, so that started_processes
# finds one whose parent has ended too (a background child of a build step
# that Ctrl-C ended, which no longer descends from this shell).
mark_started_processes() {
  export REELSTACK_STARTED_BY="$$-$(date +%s%N)-$RANDOM"
}

# The processes that this shell started and that still run, and those they
# started in turn: one process id a line.
started_processes() {
  local stat line fields pid parent parents=() wanted=("$$") next found=()
  for stat in /proc/[0-9]*/stat; do
    read -r line 2>/dev/null <"$stat" || continue
    # "pid (name) state ppid ...": the name may hold blanks and brackets.
    read -r -a fields <<<"${line##*) }"
    [ "${fields[0]}" = Z ] && continue
    pid=${stat#/proc/}
    parents[${pid%/stat}]=${fields[1]}
  done
  while [ ${#wanted[@]} -gt 0 ]; do
    next=()
    for pid in "${!parents[@]}"; do
      for parent in "${wanted[@]}"; do
        [ "${parents[$pid]}" = "$parent" ] && next+=("$pid")
      done
    done
    found+=("${next[@]}")
    wanted=("${next[@]}")
  done
  for pid in "${!parents[@]}"; do
    [ "$pid" != "$$" ] && carries_start_token "$pid" && found+=("$pid")
  done
  [ ${#found[@]} -eq 0 ] || printf '%s\n' "${found[@]}" | sort -un
}

# Whether the process carries this shell's token (mark_started_processes).
carries_start_token() {
  local environment=() entry
  [ -n "${REELSTACK_STARTED_BY:-}" ] || return 1
  mapfile -d "" -t environment 2>/dev/null <"/proc/$1/environ" || return 1
  for entry in "${environment[@]}"; do
    [ "$entry" = "REELSTACK_STARTED_BY=$REELSTACK_STARTED_BY" ] && return 0
  done
  return 1
}

# Whether any of the processes still runs (a zombie has ended).
any_running() {
  local pid line
  for pid in "$@"; do
    read -r line 2>/dev/null <"/proc/$pid/stat" || continue
    line=${line##*) }
    [ "${line:0:1}" = Z ] || return 0
  done
  return 1
}

# Ends what this shell started (a build step and all it runs): SIGTERM, so
# that ninja removes what it had half written, then SIGKILL for whatever is
# left after five seconds.
end_started_processes() {
  local pids
  mapfile -t pids < <(started_processes)
  [ ${#pids[@]} -gt 0 ] || return 0
  kill -TERM "${pids[@]}" 2>/dev/null
  for _ in $(seq 1 50); do
    any_running "${pids[@]}" || return 0
    sleep 0.1
  done
  kill -KILL "${pids[@]}" 2>/dev/null
  return 0
}
