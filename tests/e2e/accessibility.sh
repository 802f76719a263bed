#!/usr/bin/env bash
# A screen reader follows a problem: the program in a desktop session with
# its own session bus and accessibility bus, the screen reader's status set
# on the session bus as a screen reader sets it when it starts, and an AT-SPI
# client that walks the title, the information box, the menu and the column
# addition, presses their buttons, types a digit and hears the focus move on
# (lib/a11y_tour.py).
source "$(dirname "$0")/lib/common.sh"

start_display

# The session: a session bus and the accessibility bus launcher, with their
# own folders; the launcher keeps its settings in memory. It publishes no
# bus address on the display, so the program finds accessibility on only
# through the screen reader's status, as on a desktop without that.
SESSION="$E2E_TMP/session"
mkdir -p "$SESSION/home"
mkdir -p -m 700 "$SESSION/run"
unset AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON
eval "$(XDG_RUNTIME_DIR="$SESSION/run" dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
  read -r address
  read -r pid
  echo "export DBUS_SESSION_BUS_ADDRESS='$address'; BUS_PID=$pid"
})"
env -u DISPLAY XDG_RUNTIME_DIR="$SESSION/run" HOME="$SESSION/home" XDG_CONFIG_HOME="$SESSION/home/.config" \
  GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/launcher.log" 2>&1 &
LAUNCHER_PID=$!
cleanup_session() {
  kill "$LAUNCHER_PID" "$BUS_PID" 2>/dev/null || true
  finish
}
trap cleanup_session EXIT

a11y_status() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties."$1" string:org.a11y.Status string:"$2" ${3:+variant:boolean:$3}
}
for i in $(seq 1 50); do
  a11y_status Get IsEnabled >/dev/null 2>&1 && break
  sleep 0.1
done
a11y_status Get IsEnabled >/dev/null 2>&1 || { cat "$E2E_TMP/launcher.log" >&2; fail "no accessibility bus"; }
a11y_status Set ScreenReaderEnabled true >/dev/null

start_app
wait_window "tevo - Aritmetica cl\. II" >/dev/null
timeout 120 /usr/bin/python3 "$E2E_LIB/a11y_tour.py" || fail "the screen reader's tour"
expect_running
pass
