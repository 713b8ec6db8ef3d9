# Sourced by the scripts that run Windows programs under Wine. Gives each build
# tree its own 32-bit prefix, a quiet and repeatable environment, and a session
# (private X display when there is none, persistent wineserver) that is ended
# by the ids of the processes it started.

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

# Begins a session for one prefix: display, initialised prefix, persistent
# wineserver so that each program starts in a fraction of a second.
wine_session_start() {
  wine_env "$1"
  WINE_XVFB_PID=""
  WINE_SERVER_PID=""
  if [ -z "${DISPLAY:-}" ]; then
    wine_start_xvfb || return 1
    echo "wine: no display, using a private Xvfb on $DISPLAY"
  fi
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
  # A private display has no window manager, and Wine waits about a second
  # for one at every show and hide of a managed window: unmanaged windows
  # there. A user's own display keeps its window manager's frames.
  if [ -n "$WINE_XVFB_PID" ] || [ "${REELSTACK_UNMANAGED:-}" = 1 ]; then
    wine_set_managed N
  else
    wine_set_managed Y
  fi
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
