#!/usr/bin/env bash
# Soak of the real program: under Xvfb with a window manager, random mouse
# and key input on every screen, screen after screen, for SOAK_SECONDS. The
# program must stay alive, open each screen asked for within SOAK_ANSWER
# seconds, and its resident memory after the first SOAK_WARMUP screen
# changes must not grow by more than SOAK_GROWTH_KB. It prints the memory
# series: screen changes, then resident kB.
#
#   E2E_WM=openbox SOAK_SECONDS=3600 bash tests/soak/soak.sh build/aritmetica
source "$(dirname "$0")/../e2e/lib/common.sh"

SOAK_SECONDS="${SOAK_SECONDS:-60}"
SOAK_WARMUP="${SOAK_WARMUP:-100}"
SOAK_SAMPLE="${SOAK_SAMPLE:-50}"
SOAK_GROWTH_KB="${SOAK_GROWTH_KB:-4096}"
SOAK_ANSWER="${SOAK_ANSWER:-10}"
SOAK_SEED="${SOAK_SEED:-$$}"
RANDOM=$SOAK_SEED

TITLE="tevo - Aritmetica cl. II"
DIALOGS="^(Informazioni|tevo - Aritmetica cl\. II     NUMERAZIONI|tevo - Aritmetica cl\. II     TABELLINE)$"
# Centres of the thirteen menu entries, and of the four entries of the
# abacus module's menu (pixels of the client area).
MENU_ENTRIES=("84 96" "144 140" "160 188" "144 228" "380 280" "380 328" "388 376" "384 424"
  "644 92" "644 136" "660 184" "664 232" "644 276")
MODULE_ENTRIES=("240 162" "488 290" "392 384" "392 474")
BACK="43 519"
KEYS=(0 1 2 3 4 5 6 7 8 9 KP_3 KP_7 a e i o u z BackSpace Tab Return shift+Tab Delete Left Right space)

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$APP_PID/status"; }

# The program's visible windows, one "id caption" a line.
app_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
    echo "$id $(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# A random point of the client area away from the exit hotspots (over the
# eraser, and "ESCI" on the title and the menu), which would end the program.
random_point() {
  local x y
  while :; do
    x=$((RANDOM % 792))
    y=$((RANDOM % 566))
    ((x >= 200 && x <= 280 && y >= 474 && y <= 550)) && continue
    ((x >= 655 && x <= 720 && y >= 305 && y <= 375)) && continue
    echo "$x $y"
    return
  done
}

random_input() {
  local win="$1" n i p q
  n=$((3 + RANDOM % 10))
  for ((i = 0; i < n; i++)); do
    case $((RANDOM % 6)) in
      0 | 1)
        p=$(random_point)
        xdotool mousemove --window "$win" $p click 1 2>/dev/null || true
        ;;
      2)
        p=$(random_point)
        xdotool mousemove --window "$win" $p click --repeat 2 1 2>/dev/null || true
        ;;
      3)
        p=$(random_point)
        q=$(random_point)
        xdotool mousemove --window "$win" $p mousedown 1 mousemove --window "$win" $q mouseup 1 2>/dev/null || true
        ;;
      *)
        xdotool key --delay 20 "${KEYS[RANDOM % ${#KEYS[@]}]}" "${KEYS[RANDOM % ${#KEYS[@]}]}" 2>/dev/null || true
        ;;
    esac
  done
  sleep 0.05
}

# Clicks a point and waits for the window to give way to another one.
navigate() {
  local win="$1" i
  # A second click at the same spot within the double-click time is the
  # second press of a double click, which opens no screen.
  [ "$2 $3" = "$last_click" ] && sleep 0.6
  last_click="$2 $3"
  xdotool mousemove --window "$win" $2 $3 click 1 2>/dev/null || true
  for i in $(seq 1 $((SOAK_ANSWER * 20))); do
    expect_running
    if ! xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -qx "$win"; then
      changes=$((changes + 1))
      return 0
    fi
    sleep 0.05
  done
  fail "no new screen within ${SOAK_ANSWER} s after a click at $2,$3 on '$(xdotool getwindowname "$win")'"
}

start_app
wait_window "$TITLE" >/dev/null
changes=0
last_click=""
last_sample=-1
warm_kb=""
peak_kb=0
series=""
module=""  # the abacus module's menu is showing, as far as the soak knows
end=$((SECONDS + SOAK_SECONDS))
echo "soak: seed $SOAK_SEED, $SOAK_SECONDS s, window manager '${E2E_WM:-none}'"
echo "changes rss_kB"
while ((SECONDS < end)); do
  expect_running
  windows=$(app_windows)
  dialog=""
  win=""
  name=""
  while read -r id caption; do
    [ -n "$id" ] || continue
    if [[ "$caption" =~ $DIALOGS ]]; then
      dialog=$id
    else
      win=$id
      name=$caption
    fi
  done <<<"$windows"
  if [ -n "$dialog" ]; then
    # A dialog over its screen: answered by its window frame.
    close_window "$dialog"
    continue
  fi
  if [ -z "$win" ]; then
    sleep 0.1
    continue
  fi
  if ((changes / SOAK_SAMPLE != last_sample)); then
    last_sample=$((changes / SOAK_SAMPLE))
    kb=$(rss_kb)
    echo "$changes $kb"
    series+="$changes:$kb "
    if ((changes >= SOAK_WARMUP)); then
      [ -n "$warm_kb" ] || warm_kb=$kb
      ((kb > peak_kb)) && peak_kb=$kb
    fi
  fi
  if [ "$name" = "$TITLE" ]; then
    module=""
    navigate "$win" 396 216
  elif [[ "$name" == *"     MENU" ]]; then
    entry=${MENU_ENTRIES[RANDOM % ${#MENU_ENTRIES[@]}]}
    navigate "$win" $entry
    [ "$entry" = "84 96" ] && module=yes || module=""
  elif [[ "$name" == *"IL NUMERO:"* && -n "$module" ]]; then
    # The abacus module's menu: one of its entries, or back to the menu.
    if ((RANDOM % 6 == 0)); then
      navigate "$win" $BACK
    else
      navigate "$win" ${MODULE_ENTRIES[RANDOM % ${#MODULE_ENTRIES[@]}]}
    fi
    module=""
  else
    random_input "$win"
    if app_windows | grep -q "^$win "; then
      navigate "$win" $BACK
    else
      changes=$((changes + 1))
    fi
    # Back from an abacus screen leads to the module's menu.
    [[ "$name" == *"IL NUMERO:"* ]] && module=yes
  fi
done

expect_running
kb=$(rss_kb)
echo "$changes $kb"
echo "soak: $changes screen changes in $SOAK_SECONDS s; resident memory series (changes:kB): $series$changes:$kb"
if [ -n "$warm_kb" ]; then
  ((kb > peak_kb)) && peak_kb=$kb
  growth=$((peak_kb - warm_kb))
  echo "soak: after $SOAK_WARMUP changes: $warm_kb kB, peak $peak_kb kB, growth $growth kB (allowed $SOAK_GROWTH_KB)"
  ((growth <= SOAK_GROWTH_KB)) || fail "resident memory grew by $growth kB after the warm-up"
else
  echo "soak: fewer than $SOAK_WARMUP screen changes: no growth measured"
fi
pass
