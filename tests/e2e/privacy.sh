#!/usr/bin/env bash
# The program keeps nothing and tells nothing: a tour of every screen, with
# beeps through a running sound server, a session bus and an accessibility
# bus with a screen reader listening, as on a desktop, run under strace with HOME, the XDG folders and TMPDIR pointed at empty
# folders. They stay empty, no file is opened for writing or created, and
# the only sockets are the display's, the sound server's and the session
# and accessibility buses'.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
INFO="Informazioni"
DIGITS="tevo - Aritmetica cl II        Numeri in cifre entro 99"
MODULE="Esercizi per la scuola primaria IL NUMERO: I numeri entro 1000 in lettere e in cifre          a\.s\.  2007-08"

start_display

# A desktop session of our own: a sound server, a session bus and an
# accessibility bus, each with its own folders, and the program's folders,
# all empty.
SESSION="$E2E_TMP/session"
mkdir -p -m 700 "$SESSION/run" "$SESSION/pulse-home" "$SESSION/a11y-home" "$SESSION/runtime-snapshot"
for folder in home config cache data state tmp; do mkdir -p "$E2E_TMP/user/$folder"; done
export XDG_RUNTIME_DIR="$SESSION/run"
HOME="$SESSION/pulse-home" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -L module-null-sink -L module-native-protocol-unix >"$E2E_TMP/pulse.log" 2>&1 &
PULSE_PID=$!
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
  read -r address
  read -r pid
  echo "export DBUS_SESSION_BUS_ADDRESS='$address'; BUS_PID=$pid"
})"
unset AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON
env -u DISPLAY HOME="$SESSION/a11y-home" XDG_CONFIG_HOME="$SESSION/a11y-home/.config" GSETTINGS_BACKEND=memory \
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/launcher.log" 2>&1 &
LAUNCHER_PID=$!
SCREEN_READER_PID=""
cleanup_session() {
  kill "$PULSE_PID" "$LAUNCHER_PID" "$BUS_PID" $SCREEN_READER_PID 2>/dev/null || true
  finish
}
trap cleanup_session EXIT
for i in $(seq 1 50); do
  [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/pulse/native" ] || { cat "$E2E_TMP/pulse.log" >&2; fail "the sound server did not start"; }
# A screen reader: its status on the session bus, and a listener on the
# accessibility bus, so the program reports every change of the tour.
a11y_status() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true
}
for i in $(seq 1 50); do
  a11y_status >/dev/null 2>&1 && break
  sleep 0.1
done
a11y_status >/dev/null 2>&1 || { cat "$E2E_TMP/launcher.log" >&2; fail "no accessibility bus"; }
/usr/bin/python3 "$E2E_LIB/a11y_listen.py" "$E2E_TMP/a11y-heard" >"$E2E_TMP/listener.log" 2>&1 &
SCREEN_READER_PID=$!
# What the session put in the runtime folder before the program ran.
(cd "$XDG_RUNTIME_DIR" && find . | sort) >"$E2E_TMP/runtime.before"

export QT_QPA_PLATFORM=xcb
HOME="$E2E_TMP/user/home" XDG_CONFIG_HOME="$E2E_TMP/user/config" XDG_CACHE_HOME="$E2E_TMP/user/cache" \
  XDG_DATA_HOME="$E2E_TMP/user/data" XDG_STATE_HOME="$E2E_TMP/user/state" TMPDIR="$E2E_TMP/user/tmp" \
  strace -f -qq -o "$E2E_TMP/trace" \
  -e trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,link,linkat,symlink,symlinkat,unlink,unlinkat,rmdir,truncate,mknod,mknodat,connect,bind,sendto \
  "$APP" >>"$E2E_TMP/app.log" 2>&1 &
APP_PID=$!

title=$(wait_window "$TITLE" 30)
click "$title" 389 508
info=$(wait_window "$INFO")
click "$info" 160 208
click "$title" 396 216
menu=$(wait_window "$MENU")

# Every exercise of the menu: a problem asked, a key typed, and back.
for entry in "144 140" "160 188" "144 228" "380 280" "380 328" "388 376" "384 424" \
  "644 92" "644 136" "660 184" "664 232" "644 276"; do
  click "$menu" $entry
  screen=$(wait_other_window ".+" "$menu")
  click "$screen" 148 512
  type_text "$screen" "5"
  click "$screen" 43 519
  menu=$(wait_window "$MENU")
done

# Beeps: numbers in digits with the limit 1 asks for 0; a 7 is wrong.
HOME="$SESSION/pulse-home" pactl subscribe >"$E2E_TMP/sound-events" 2>&1 &
LISTENER_PID=$!
click "$menu" 144 140
digits=$(wait_window "$DIGITS")
click "$digits" 468 104
type_text "$digits" "1"
for beep in 1 2 3; do
  click "$digits" 152 508
  click "$digits" 504 232
  type_text "$digits" "7"
done
sleep 1
kill "$LISTENER_PID" 2>/dev/null || true
beeps=$(grep -c "'new' on sink-input" "$E2E_TMP/sound-events" || true)
[ "$beeps" -ge 3 ] || fail "the sound server played $beeps beeps of 3"
click "$digits" 43 519
menu=$(wait_window "$MENU")

# The abacus module and its four exercises.
click "$menu" 144 96
module=$(wait_window "$MODULE")
for entry in "240 162" "488 290" "392 384" "392 474"; do
  click "$module" $entry
  screen=$(wait_other_window "$MODULE" "$module")
  click "$screen" 704 450
  type_text "$screen" "5"
  click "$screen" 43 519
  module=$(wait_other_window "$MODULE" "$screen")
done
click "$module" 43 519
menu=$(wait_window "$MENU")
click "$menu" 688 340  # "ESCI"
wait_exit 20

kill "$SCREEN_READER_PID"
wait "$SCREEN_READER_PID" 2>/dev/null || true
heard=$(cat "$E2E_TMP/a11y-heard" 2>/dev/null || echo 0)
[ "$heard" -gt 0 ] || { cat "$E2E_TMP/listener.log" >&2; fail "the screen reader heard nothing of the tour"; }
echo "the screen reader heard $heard events"

for folder in home config cache data state tmp; do
  left=$(find "$E2E_TMP/user/$folder" -mindepth 1 | head -n 5)
  [ -z "$left" ] || fail "the program left files in $folder: $left"
done
(cd "$XDG_RUNTIME_DIR" && find . | sort) >"$E2E_TMP/runtime.after"
diff "$E2E_TMP/runtime.before" "$E2E_TMP/runtime.after" >&2 || fail "the program left files in the runtime folder"

/usr/bin/python3 "$E2E_LIB/trace_audit.py" "$E2E_TMP/trace" \
  --display "$DISPLAY" --runtime "$XDG_RUNTIME_DIR" --bus "$DBUS_SESSION_BUS_ADDRESS" >"$E2E_TMP/audit" 2>&1 ||
  { cat "$E2E_TMP/audit" >&2; fail "the program wrote, created or connected where it must not"; }
cat "$E2E_TMP/audit"
pass
