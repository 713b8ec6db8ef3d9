# Sourced by the scripts that run Windows programs under Wine. Two kinds of
# 32-bit prefix: the user's, where ./run.sh keeps the program and with it the
# user's collections, outside the checkout; and the tests' own under the
# build tree, marked as theirs, which nothing but the tests uses. Gives a
# quiet and repeatable environment, and sessions (X display, wineserver) that
# end only what they started.

# shellcheck source=locks.sh
. "$(dirname "${BASH_SOURCE[0]}")/locks.sh"

# The marker at the root of the tests' drive C:. The test programs remove data
# only where it is (tests/support/TestPrefix), so the line must stay the same
# on both sides.
WINE_TEST_MARKER=reelstack-test-prefix
WINE_TEST_MARKER_LINE="Reelstack tests' own Wine prefix: the tests remove data in it."

wine_env() {
  # One spelling of the path, so that the prefix's processes can be found by
  # the WINEPREFIX they carry.
  local prefix
  prefix="$(realpath -m "$1")"
  export WINEPREFIX="$prefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  # Never offer to install Mono or Gecko: we have no use for either.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export TZ="${REELSTACK_TZ:-Europe/Berlin}"
  export LANG=C.UTF-8
  export LC_ALL=C.UTF-8
  export LIBGL_ALWAYS_SOFTWARE=1
}

# The tests' environment: the program's, with a home of their own inside
# their prefix. Wine links the prefix user's Desktop, Documents and the like
# to the home's folders, keeps its recycle bin in the home's trash and writes
# menu entries and file associations there: so nothing a test writes, moves
# to the bin or removes reaches the user's own files.
wine_test_env() {
  wine_env "$1"
  export HOME="$1/home"
  export XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CONFIG_HOME="$HOME/.config"
  export XDG_CACHE_HOME="$HOME/.cache"
}

# Where ./run.sh keeps its prefix, the user's collections in it: outside the
# checkout, so that neither the tests nor a removed build tree can touch it.
# REELSTACK_WINEPREFIX names another.
wine_user_prefix() {
  if [ -n "${REELSTACK_WINEPREFIX:-}" ]; then
    case "$REELSTACK_WINEPREFIX" in
      /*) echo "$REELSTACK_WINEPREFIX" ;;
      *)
        say "REELSTACK_WINEPREFIX must be a full path: $REELSTACK_WINEPREFIX" >&2
        return 1
        ;;
    esac
    return 0
  fi
  local data="${XDG_DATA_HOME:-}"
  case "$data" in
    /*) ;;
    *) data="${HOME:?HOME is not set}/.local/share" ;;
  esac
  echo "$data/reelstack/wineprefix"
}

# The program's data folder in a prefix (%APPDATA%\Reelstack), whether or
# not it exists yet; before the prefix's user folder is made, the one Wine
# will make there, named after the user.
wine_data_folder() {
  local roaming
  for roaming in "$1"/drive_c/users/*/AppData/Roaming; do
    case "$roaming" in
      */users/Public/*) ;;
      *) [ -d "$roaming" ] && echo "$roaming/Reelstack" && return 0 ;;
    esac
  done
  echo "$1/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Reelstack"
}

wine_is_test_prefix() {
  local line=""
  [ -f "$1/drive_c/$WINE_TEST_MARKER" ] || return 1
  read -r line <"$1/drive_c/$WINE_TEST_MARKER" || true
  [ "$line" = "$WINE_TEST_MARKER_LINE" ]
}

# Marks a prefix as the tests' own: a new one, or one marked already. A
# prefix that exists without the mark was made by someone else, whose data
# the tests must not clean: refused. Makes the tests' home in it.
wine_claim_test_prefix() {
  local prefix="$1"
  if ! wine_is_test_prefix "$prefix"; then
    if [ -e "$prefix/system.reg" ] || [ -e "$prefix/drive_c/users" ]; then
      say "wine: $prefix is a prefix the tests did not make; they run only in one of their own" >&2
      return 1
    fi
    mkdir -p "$prefix/drive_c" || return 1
    printf '%s\n' "$WINE_TEST_MARKER_LINE" >"$prefix/drive_c/$WINE_TEST_MARKER"
  fi
  mkdir -p "$prefix/home"
}

# The tests' prefix, claimed by wine_claim_test_prefix, made when new and
# without a window manager's frames. Needs wine_test_env and a wineserver.
wine_prepare_test_prefix() {
  if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    wine_wait_for wine wineboot --init </dev/null >/dev/null 2>&1 || true
  fi
  wine_set_managed N
}

# The tests get a display of their own: on the user's display their windows
# would pop up over the user's work, they move the pointer, and a touch of
# the mouse could fail a test that reads pixels. REELSTACK_SHOW_TESTS=1 shows
# them on the current display instead, to watch them.
wine_test_display() {
  if [ "${REELSTACK_SHOW_TESTS:-}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  wine_start_xvfb
}

# Starts Xvfb on a free display, which Xvfb picks itself (-displayfd) so that
# sessions started side by side never race for one; sets DISPLAY and
# WINE_XVFB_PID.
wine_start_xvfb() {
  local numfile i
  numfile=$(mktemp)
  (
    locks_close
    exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp
  ) 3>"$numfile" >/dev/null 2>&1 &
  WINE_XVFB_PID=$!
  for i in $(seq 1 200); do
    if [ -s "$numfile" ]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
      rm -f "$numfile"
      return 0
    fi
    if ! kill -0 "$WINE_XVFB_PID" 2>/dev/null; then
      break
    fi
    sleep 0.05
  done
  rm -f "$numfile"
  kill "$WINE_XVFB_PID" 2>/dev/null || true
  WINE_XVFB_PID=""
  say "wine: could not start Xvfb" >&2
  return 1
}

wine_stop_xvfb() {
  if [ -n "${WINE_XVFB_PID:-}" ]; then
    kill "$WINE_XVFB_PID" 2>/dev/null || true
    wait "$WINE_XVFB_PID" 2>/dev/null || true
    WINE_XVFB_PID=""
  fi
}

# Sessions. A script ends only a session that it started itself, and ends,
# or waits for, only the programs that it started: every process a session
# starts carries its token in the environment, which Wine hands on to the
# programs those start in turn (a program that Helper.exe starts again
# included). A session that was already running when the script came is
# someone else's: the script runs its program in it and leaves it running.

# Wine's background services, which a session starts and ends by itself.
WINE_SERVICES="services.exe winedevice.exe plugplay.exe explorer.exe svchost.exe rpcss.exe conhost.exe"

# The exit code of a run that finds its program already running in the prefix.
WINE_ALREADY_RUNNING=3

# Claims a prefix of one's own for a run of a program: takes the lock that
# the run then holds for its whole life (scripts/locks.sh), so that two runs
# never both start the program, or finds it held for this run by the script
# that started it; and finds the program not running there, started
# otherwise. 1 when another run holds the lock or the program runs, 2 when
# the lock file cannot be made.
#   wine_claim_prefix PREFIX PROGRAM WHO
wine_claim_prefix() {
  local status=0
  lock_try REELSTACK_PREFIX_LOCK_FD "$1/.run-${2,,}.lock" "$3" || status=$?
  [ "$status" = 0 ] || return "$status"
  ! wine_program_running "$1" "$2"
}

# One line "pid name" for each Wine process of the prefix: each Windows
# program by the file name it runs, in lower case, and Wine's own Unix side
# (wine, its preloader, wineserver) by its name. With a token, only the
# processes that carry it.
wine_processes() {
  local prefix="$1" token="${2:-}" dir comm words=() name environment=() entry named home carried
  for dir in /proc/[0-9]*; do
    read -r comm 2>/dev/null <"$dir/comm" || continue
    mapfile -d "" -t words 2>/dev/null <"$dir/cmdline" || continue
    # The command line names the program as it was started (a Windows path,
    # or a Unix one from the shell); the process name is cut at 15 letters.
    name="${words[0]:-}"
    name="${name##*[\\/]}"
    name="${name,,}"
    case "$name" in
      *.exe) ;;
      *)
        name="${comm,,}"
        case "$name" in
          *.exe | wine | wine-preloader | wine64 | wine64-preloader | wineserver*) ;;
          *) continue ;;
        esac
        ;;
    esac
    mapfile -d "" -t environment 2>/dev/null <"$dir/environ" || continue
    named="" home="" carried=""
    for entry in "${environment[@]}"; do
      case "$entry" in
        WINEPREFIX=*) named="${entry#WINEPREFIX=}" ;;
        HOME=*) home="${entry#HOME=}" ;;
        REELSTACK_SESSION_TOKEN=*) carried="${entry#REELSTACK_SESSION_TOKEN=}" ;;
      esac
    done
    wine_runs_in "$prefix" "$named" "$home" || continue
    if [ -n "$token" ] && [ "$carried" != "$token" ]; then
      continue
    fi
    echo "${dir#/proc/} $name"
  done
}

# Whether a Wine process runs in the prefix, given the WINEPREFIX and HOME
# it carries. Wine knows a prefix by its folder, so any spelling of that
# folder counts (a trailing slash, a symbolic link, "..") and, without
# WINEPREFIX, the home's ".wine"; Wine refuses a relative one.
wine_runs_in() {
  local prefix="$1" named="$2" home="$3"
  if [ -z "$named" ]; then
    [ -n "$home" ] || return 1
    named="$home/.wine"
  fi
  [ "$named" = "$prefix" ] && return 0
  # The same device and inode, as Wine finds a prefix's server by.
  [[ "$named" == /* ]] && [ "$named" -ef "$prefix" ]
}

# Whether a process name is one of Wine's background services.
wine_is_service() {
  case " $WINE_SERVICES " in *" $1 "*) return 0 ;; esac
  return 1
}

# The programs among those processes ("pid name" lines): Windows programs
# other than Wine's background services.
wine_programs() {
  local pid name
  while read -r pid name; do
    case "$name" in *.exe) ;; *) continue ;; esac
    wine_is_service "$name" && continue
    echo "$pid $name"
  done < <(wine_processes "$@")
}

# Whether a program of that file name (any case) runs in the prefix.
wine_program_running() {
  local wanted="${2,,}" pid name
  while read -r pid name; do
    [ "$name" = "$wanted" ] && return 0
  done < <(wine_programs "$1")
  return 1
}

# The names of the programs in those lines, on one line.
wine_program_names() {
  local pid name names=()
  while read -r pid name; do
    names+=("$name")
  done
  echo "${names[*]}"
}

# Starts the prefix's wineserver and tells whether this session made it:
# WINE_SESSION_OWNED is 1 when it did, 0 when one was running already (the
# server refuses to start a second and ends with 2). With "persistent" the
# server stays until it is ended, so that each test program starts in a
# fraction of a second; else it ends as soon as no program is left.
wine_start_server() {
  local status=0
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "wine: creating the prefix $WINEPREFIX"
  fi
  if [ "${1:-}" = persistent ]; then
    lock_free wineserver -p >/dev/null 2>&1 || status=$?
  else
    lock_free wineserver >/dev/null 2>&1 || status=$?
  fi
  case "$status" in
    0) WINE_SESSION_OWNED=1 ;;
    2) WINE_SESSION_OWNED=0 ;;
    *)
      say "wine: could not start the wineserver of $WINEPREFIX" >&2
      return 1
      ;;
  esac
}

# The token that marks what a session starts.
wine_new_session_token() {
  WINE_SESSION_TOKEN="$$-$(date +%s%N)-$RANDOM"
  export REELSTACK_SESSION_TOKEN="$WINE_SESSION_TOKEN"
}

# Begins a session in a prefix of one's own (the user's): on the current
# display, keeping its window manager's frames, or, with none, on a private
# Xvfb, whose windows then go unmanaged (Wine would wait about a second for
# a window manager at every show and hide). Needs wine_env.
wine_own_session_start() {
  WINE_XVFB_PID=""
  wine_new_session_token
  if [ -z "${DISPLAY:-}" ]; then
    wine_start_xvfb || return 1
    say "wine: no display, using a private Xvfb on $DISPLAY"
  fi
  wine_start_server || {
    wine_stop_xvfb
    return 1
  }
  if [ -n "$WINE_XVFB_PID" ]; then
    wine_set_managed N
  else
    wine_set_managed Y
  fi
}

# Runs a command (a Windows program, a wait for the server) without the
# locks' descriptors, in the background, and waits for it: a trapped signal
# is then handled at once rather than when the command ends. Returns its
# status. The command is the background job itself, not run by a shell of
# its own in between: such a shell would tell of a command killed by a signal
# by a line of its own ("Killed"), as a Ctrl-C's end of the program is; the
# run says what ended and how itself.
wine_wait_for() {
  (
    locks_close
    exec "$@"
  ) &
  wait $! 2>/dev/null
}

# The session's own programs that still run: the processes that carry its
# token, but for the wineserver and Wine's background services. A program
# still starting, not yet named after its file, is one of them.
wine_own_programs() {
  local pid name
  while read -r pid name; do
    case "$name" in wineserver*) continue ;; esac
    wine_is_service "$name" && continue
    echo "$pid $name"
  done < <(wine_processes "$WINEPREFIX" "$WINE_SESSION_TOKEN")
}

# The programs in the prefix that this session did not start: one started
# by hand with the same WINEPREFIX, say.
wine_other_programs() {
  local own pid name
  own=" $(wine_own_programs | while read -r pid name; do printf '%s ' "$pid"; done)"
  while read -r pid name; do
    [[ "$own" == *" $pid "* ]] || echo "$pid $name"
  done < <(wine_programs "$WINEPREFIX")
}

# Whether none of the session's own programs runs, and none did for a
# second. A program that another starts (Helper.exe, the program again)
# can be missing from the processes for a moment while it is made and its
# starter ends, so a single look is not enough.
wine_own_programs_gone() {
  for _ in 1 2 3 4 5; do
    [ -z "$(wine_own_programs)" ] || return 1
    sleep 0.2
  done
}

# Ends a session begun by wine_own_session_start once its first program has
# ended: it waits for the programs that the session started and that still
# run (the program that a restart starts again, say), then leaves the
# session (wine_leave_session). Arguments: the first program's name and exit
# code, for the message.
wine_own_session_end() {
  local programs
  programs=$(wine_own_programs | wine_program_names)
  if [ -n "$programs" ]; then
    say "wine: $1 ended with $2; waiting for the programs it left running: $programs"
  fi
  until wine_own_programs_gone; do
    sleep 0.2
  done
  wine_leave_session
}

# Interrupted (Ctrl-C, a kill, the terminal closed): ends at once the
# programs the session started, as a kill would, then leaves the session. A
# session this script started, where no other program runs, ends whole: the
# server kills every program in it, one that is being started included.
wine_own_session_interrupt() {
  if [ "${WINE_SESSION_OWNED:-0}" = 1 ] && [ -z "$(wine_other_programs)" ]; then
    wineserver -k >/dev/null 2>&1
  elif [ -n "${WINE_SESSION_TOKEN:-}" ]; then
    wine_kill_own_programs
  fi
  wine_leave_session
}

# Once none of its own programs is left: a session this script started ends
# with them, Wine's services and what else of its own is left included,
# unless a program it did not start (one started by hand in the prefix)
# still runs there and keeps it. The server counts every program in the
# session, one that the processes did not show yet included, and ends with
# the last. A session it joined is left running. Its private display goes
# either way.
wine_leave_session() {
  if [ "${WINE_SESSION_OWNED:-0}" = 1 ] && [ -z "$(wine_other_programs)" ]; then
    wine_wait_for wineserver -w >/dev/null 2>&1
    wine_end_own_processes 50
  fi
  wine_stop_xvfb
}

# Kills the session's own programs (wine_own_programs), and again any that
# a dying one started meanwhile, until none has been left for a second;
# never the wineserver or the background services, which other programs in
# the session may need.
wine_kill_own_programs() {
  local pid name
  until wine_own_programs_gone; do
    while read -r pid name; do
      kill -KILL "$pid" 2>/dev/null || true
    done < <(wine_own_programs)
  done
}

# Once the session's wineserver is gone: gives what is left of the session's
# own processes the given number of tenths of a second to end by themselves,
# then kills them. Another's programs carry no token of it and are left alone.
wine_end_own_processes() {
  local tenths="$1" pid name left=""
  for _ in $(seq 1 "$tenths"); do
    [ -z "$(wine_processes "$WINEPREFIX" "$WINE_SESSION_TOKEN")" ] && return 0
    sleep 0.1
  done
  while read -r pid name; do
    kill -KILL "$pid" 2>/dev/null && left+=" $name"
  done < <(wine_processes "$WINEPREFIX" "$WINE_SESSION_TOKEN")
  [ -n "$left" ] && say "wine: ended what the session left running:$left"
  return 0
}

# Begins the tests' session in their own prefix, on their own display. The
# runs inside it (wine-run.sh) find both ready through REELSTACK_TEST_SESSION.
wine_test_session_start() {
  wine_test_env "$1"
  WINE_XVFB_PID=""
  wine_new_session_token
  wine_claim_test_prefix "$WINEPREFIX" || return 1
  wine_test_display || return 1
  wine_start_server persistent || return 1
  # Wine's background services start with the first program of a session and
  # inherit its output. Starting them here, writing to /dev/null, keeps them
  # from holding a test runner's pipe open after the tests are done.
  lock_free wine wineboot --init </dev/null >/dev/null 2>&1 || true
  wine_set_managed N
  export REELSTACK_TEST_SESSION="$WINEPREFIX"
}

# Ends the tests' session: its wineserver and every program in it when this
# script started it, else only what it started itself; then its display.
wine_test_session_stop() {
  if [ "${WINE_SESSION_OWNED:-0}" = 1 ]; then
    wineserver -k >/dev/null 2>&1 || true
  elif [ -n "${WINE_SESSION_TOKEN:-}" ]; then
    wine_kill_own_programs
  fi
  wine_stop_xvfb
}

# Sets the prefix's X11 driver value "Managed" (Y or N) when it differs.
wine_set_managed() {
  local want="$1"
  if grep -qi "^\"Managed\"=\"$want\"" "$WINEPREFIX/user.reg" 2>/dev/null; then
    return 0
  fi
  wine_wait_for wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$want" /f \
    </dev/null >/dev/null 2>&1 || true
}
