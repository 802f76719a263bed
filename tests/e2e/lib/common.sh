# Helpers for end-to-end tests: the real program in a real window under
# Xvfb, driven with xdotool and looked at with ImageMagick.
# Source it from a test script that receives the program's path as $1.
# Coordinates are pixels of the window's client area (15 twips each).
set -euo pipefail

APP="${1:?usage: $0 path/to/aritmetica}"
E2E_LIB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
APP_PID=""
XVFB_PID=""
WM_PID=""
E2E_TMP="$(mktemp -d)"
# E2E_WM=openbox runs the tests under that window manager; empty, on the
# bare server.
E2E_WM="${E2E_WM:-}"

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$E2E_TMP/app.log" ]; then
    echo "--- the program's standard error and output:" >&2
    cat "$E2E_TMP/app.log" >&2
    echo "---" >&2
  fi
  if [ -n "${DISPLAY:-}" ]; then
    import -window root "$E2E_TMP/failure.png" 2>/dev/null && echo "screen at failure: $E2E_TMP/failure.png" >&2
  fi
  exit 1
}

finish() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap finish EXIT

# Starts the program, on a private X server started the first time, in a
# session like a desktop's: its own runtime folder.
start_app() {
  if [ -z "$XVFB_PID" ]; then
    start_display
  fi
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  "$APP" >>"$E2E_TMP/app.log" 2>&1 &
  APP_PID=$!
}

# The X helper for what xdotool does not do (lib/xtool.py lists it); it
# needs Debian's python3 with python3-xlib.
xtool() { /usr/bin/python3 "$E2E_LIB/xtool.py" "$@"; }

# Position of a window's client area on the screen, "X Y".
window_position() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }

# Fails unless the window is the topmost of the client windows.
expect_on_top() {
  local top
  top=$(xtool stacking | tail -n 1)
  [ "$top" = "$1" ] || fail "window $1 is not on top (top: $top, $(xdotool getwindowname "$top" 2>/dev/null))"
  xwininfo -id "$1" | grep -q "Map State: IsViewable" || fail "window $1 is not visible"
}

start_display() {
  # Xvfb picks a free display itself and says which, so parallel runs
  # never share one. Without -noreset the server resets when its first
  # client (xdpyinfo below) disconnects, and a program connecting during the
  # reset is refused.
  local fifo="$E2E_TMP/display"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local n
  read -r -t 20 n <"$fifo" || fail "Xvfb did not start"
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
  [ -z "$E2E_WM" ] || start_wm
}

start_wm() {
  case "$E2E_WM" in
    openbox) openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 & ;;
    *) fail "unknown window manager '$E2E_WM'" ;;
  esac
  WM_PID=$!
  # A window manager announces itself on the root window once it manages it.
  local i
  for i in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$WM_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$E2E_TMP/wm.log" >&2
  fail "$E2E_WM did not start"
}

# Prints the id of the visible window whose caption matches a regular
# expression (exactly, from start to end), waiting for it to appear.
wait_window() {
  local pattern="$1" timeout="${2:-10}" i id
  for i in $(seq 1 $((timeout * 10))); do
    if [ -n "$APP_PID" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
      fail "the program ended while waiting for window '$pattern'"
    fi
    id=$(xdotool search --onlyvisible --name "^${pattern}\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      sleep 0.2
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  fail "no window '$pattern' (windows: $(window_names | tr '\n' '|'))"
}

# Prints the id of a visible window whose caption matches, other than the
# one given: screens that share a caption replace one another.
wait_other_window() {
  local pattern="$1" old="$2" i id
  for i in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --name "^${pattern}\$" 2>/dev/null || true); do
      if [ "$id" != "$old" ]; then
        sleep 0.2
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "no new window '$pattern' (windows: $(window_names | tr '\n' '|'))"
}

# Waits until no visible window's caption matches.
wait_window_gone() {
  local pattern="$1" timeout="${2:-10}" i
  for i in $(seq 1 $((timeout * 10))); do
    xdotool search --onlyvisible --name "^${pattern}\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$pattern' is still there"
}

# Captions of the visible windows, one a line.
window_names() {
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    xdotool getwindowname "$id"
  done
}

window_size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

click() {
  local win="$1" x="$2" y="$3"
  xdotool mousemove --window "$win" "$x" "$y"
  sleep 0.1
  xdotool click 1
  sleep 0.3
}

move() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.2
}

# Presses the button at one point, moves and releases at another.
drag() {
  local win="$1" x1="$2" y1="$3" x2="$4" y2="$5"
  xdotool mousemove --window "$win" "$x1" "$y1"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mousemove --window "$win" $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
  sleep 0.1
  xdotool mousemove --window "$win" "$x2" "$y2"
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}

focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.1; }

# Types text into the focused box of a window, key by key.
type_text() {
  focus "$1"
  xdotool type --delay 80 "$2"
  sleep 0.3
}

# Presses and releases keys by their X names (BackSpace, Tab, KP_7 ...).
press_keys() {
  local win="$1"
  shift
  focus "$win"
  xdotool key --delay 80 "$@"
  sleep 0.3
}

# Number of pixels of a colour (#rrggbb) in a rectangle of a window.
count_colour() {
  local win="$1" x="$2" y="$3" w="$4" h="$5" colour="${6^^}"
  import -window "$win" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- 2>/dev/null | grep -c "${colour#\#}" || true
}

# Succeeds when a rectangle holds at least some pixels of a colour.
expect_colour() {
  local n
  n=$(count_colour "$@")
  [ "$n" -ge "${7:-5}" ] || fail "expected colour $6 in ${4}x${5}+${2}+${3} of window $1 (found $n pixels)"
}

expect_no_colour() {
  local n
  n=$(count_colour "$@")
  [ "$n" -eq 0 ] || fail "expected no $6 in ${4}x${5}+${2}+${3} of window $1 (found $n pixels)"
}

# Asks a window to close, as its frame's close button does.
close_window() { python3 "$E2E_LIB/close_window.py" "$1"; sleep 0.3; }

# Waits for the program to end by itself.
wait_exit() {
  local timeout="${1:-10}" i
  for i in $(seq 1 $((timeout * 10))); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      wait "$APP_PID" 2>/dev/null || true
      APP_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the program did not end"
}

expect_running() { kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"; }

expect_eq() { [ "$1" = "$2" ] || fail "${3:-value}: expected '$2', got '$1'"; }

# A normal session prints nothing, and leaves nothing in its runtime folder.
pass() {
  if [ -s "$E2E_TMP/app.log" ]; then
    fail "the program wrote to standard error or output"
  fi
  if [ -d "$E2E_TMP/runtime" ] && [ -n "$(ls -A "$E2E_TMP/runtime")" ]; then
    fail "the program left $(ls -A "$E2E_TMP/runtime" | tr '\n' ' ')in its runtime folder"
  fi
  echo "PASS: $(basename "$0")"
}

# Where a point of a screen (pixels at 100 %) shows in its window, enlarged
# to fill it: the screen scaled uniformly, centred. The screen's size at
# 100 % is the third and fourth argument (a large screen by default).
scaled() {
  local win="$1" x="$2" y="$3" sw="${4:-792}" sh="${5:-566}" w h
  IFS=x read -r w h <<<"$(window_size "$win")"
  awk -v w="$w" -v h="$h" -v sw="$sw" -v sh="$sh" -v x="$x" -v y="$y" 'BEGIN {
    s = w / sw; if (h / sh < s) s = h / sh
    ox = int((w - sw * s) / 2); oy = int((h - sh * s) / 2)
    printf "%d %d\n", ox + x * s, oy + y * s }'
}

# Waits until a window has a size, "WxH".
wait_size() {
  local win="$1" size="$2" i
  for i in $(seq 1 50); do
    [ "$(window_size "$win")" = "$size" ] && return 0
    sleep 0.1
  done
  fail "window $win is $(window_size "$win"), not $size"
}
