# Sourced by the scripts that run Windows programs under Wine. Two kinds of
# 32-bit prefix: the user's, where ./run.sh keeps the program and with it the
# user's collections, outside the checkout; and the tests' own under the
# build tree, marked as theirs, which nothing but the tests uses. Gives a
# quiet and repeatable environment, and a session (X display, persistent
# wineserver) that is ended by the ids of the processes it started.

# The marker at the root of the tests' drive C:. The test programs remove data
# only where it is (tests/support/TestPrefix), so the line must stay the same
# on both sides.
WINE_TEST_MARKER=reelstack-test-prefix
WINE_TEST_MARKER_LINE="Reelstack tests' own Wine prefix: the tests remove data in it."

wine_env() {
  local prefix="$1"
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
        echo "REELSTACK_WINEPREFIX must be a full path: $REELSTACK_WINEPREFIX" >&2
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
# not it exists yet; nothing before the prefix is made.
wine_data_folder() {
  local roaming
  for roaming in "$1"/drive_c/users/*/AppData/Roaming; do
    case "$roaming" in
      */users/Public/*) ;;
      *) [ -d "$roaming" ] && echo "$roaming/Reelstack" && return 0 ;;
    esac
  done
  return 1
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
      echo "wine: $prefix is a prefix the tests did not make; they run only in one of their own" >&2
      return 1
    fi
    mkdir -p "$prefix/drive_c" || return 1
    printf '%s\n' "$WINE_TEST_MARKER_LINE" >"$prefix/drive_c/$WINE_TEST_MARKER"
  fi
  mkdir -p "$prefix/home"
}

# The tests' prefix made (when new), marked, and without a window manager's
# frames. Needs wine_test_env.
wine_prepare_test_prefix() {
  wine_claim_test_prefix "$WINEPREFIX" || return 1
  if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    echo "wine: creating the tests' prefix $WINEPREFIX"
    wine wineboot --init </dev/null >/dev/null 2>&1 || true
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
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
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
  echo "wine: could not start Xvfb" >&2
  return 1
}

wine_stop_xvfb() {
  if [ -n "${WINE_XVFB_PID:-}" ]; then
    kill "$WINE_XVFB_PID" 2>/dev/null || true
    wait "$WINE_XVFB_PID" 2>/dev/null || true
    WINE_XVFB_PID=""
  fi
}

# Starts the prefix's persistent wineserver, so that each program starts in
# a fraction of a second, and Wine's background services.
wine_start_server() {
  mkdir -p "$WINEPREFIX"
  wineserver -f -p >/dev/null 2>&1 &
  WINE_SERVER_PID=$!
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix $WINEPREFIX"
  fi
  # Wine's background services start with the first program of a session and
  # inherit its output. Starting them here, writing to /dev/null, keeps them
  # from holding a test runner's pipe open after the tests are done.
  wine wineboot --init </dev/null >/dev/null 2>&1 || true
}

# Begins the program's session in the user's prefix, on the current display
# or, with none, on a private Xvfb.
wine_session_start() {
  wine_env "$1"
  WINE_XVFB_PID=""
  WINE_SERVER_PID=""
  if [ -z "${DISPLAY:-}" ]; then
    wine_start_xvfb || return 1
    echo "wine: no display, using a private Xvfb on $DISPLAY"
  fi
  wine_start_server
  # A private display has no window manager, and Wine waits about a second
  # for one at every show and hide of a managed window: unmanaged windows
  # there. A user's own display keeps its window manager's frames.
  if [ -n "$WINE_XVFB_PID" ]; then
    wine_set_managed N
  else
    wine_set_managed Y
  fi
}

# Begins the tests' session in their own prefix, on their own display. The
# runs inside it (wine-run.sh) find both ready through REELSTACK_TEST_SESSION.
wine_test_session_start() {
  wine_test_env "$1"
  WINE_XVFB_PID=""
  WINE_SERVER_PID=""
  wine_claim_test_prefix "$WINEPREFIX" || return 1
  wine_test_display || return 1
  wine_start_server
  wine_set_managed N
  export REELSTACK_TEST_SESSION="$WINEPREFIX"
}

# Sets the prefix's X11 driver value "Managed" (Y or N) when it differs.
wine_set_managed() {
  local want="$1"
  if grep -qi "^\"Managed\"=\"$want\"" "$WINEPREFIX/user.reg" 2>/dev/null; then
    return 0
  fi
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$want" /f \
    </dev/null >/dev/null 2>&1 || true
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "${WINE_SERVER_PID:-}" ]; then
    kill "$WINE_SERVER_PID" 2>/dev/null || true
    wait "$WINE_SERVER_PID" 2>/dev/null || true
    WINE_SERVER_PID=""
  fi
  wine_stop_xvfb
}
