# Sourced: a virtual X display (unless one is given) and a Wine prefix of the
# build's own, with Wine's server started once and kept for the whole run.
# Defines wine_env_stop, which ends both.

: "${TIKLET_WINEPREFIX:=$PWD/build/wine}"
export WINEPREFIX="$TIKLET_WINEPREFIX"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

_tiklet_xvfb_pid=""
if [ -z "${DISPLAY:-}" ] || [ "${TIKLET_VIRTUAL_DISPLAY:-0}" = 1 ]; then
  _tiklet_displayfile=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$_tiklet_displayfile" 2>/dev/null &
  _tiklet_xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$_tiklet_displayfile" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$_tiklet_displayfile")"
  rm -f "$_tiklet_displayfile"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
fi
wineserver -p >/dev/null 2>&1 || true
wineboot >/dev/null 2>&1 || true

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$_tiklet_xvfb_pid" ]; then kill "$_tiklet_xvfb_pid" 2>/dev/null || true; fi
}
