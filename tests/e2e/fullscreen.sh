#!/usr/bin/env bash
# The program on a whiteboard: F11 on the title fills the display with the
# screen enlarged and centred in a dark frame; clicks land where the child
# sees them; the information box opens centred over it at the same scale;
# the next screen opens full screen too; F11 again gives back the fixed
# size. Under a window manager, maximising a window does the same, and the
# next screen opens maximised.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
INFO="Informazioni"
ADDITION="tevo - Aritmetica cl\. II     ADDIZIONI IN COLONNA SENZA CAMBIO  \( entro 99 \)"
FRAME="#202020"
DISPLAY_SIZE="1280x1024"

start_app
title=$(wait_window "$TITLE")
press_keys "$title" F11
wait_size "$title" "$DISPLAY_SIZE"
expect_eq "$(window_position "$title")" "0 0" "where the full-screen title stands"
# The display is taller than the screen's shape: dark bands above and below.
expect_colour "$title" 0 0 1280 50 "$FRAME" 50000
expect_colour "$title" 0 974 1280 50 "$FRAME" 50000

# "INFO" at its enlarged place opens the information box centred over the
# title, enlarged as much, and its "OK" at its own enlarged place closes it.
click "$title" $(scaled "$title" 389 508)
info=$(wait_window "$INFO")
expect_eq "$(window_size "$info")" "520x388" "enlarged information box"
# Its client area's centre, as the X server places it, at the display's.
read -r ix iy <<<"$(xwininfo -id "$info" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x + 260, y + 194}')"
[ $((ix - 640)) -le 3 ] && [ $((640 - ix)) -le 3 ] && [ $((iy - 512)) -le 3 ] && [ $((512 - iy)) -le 3 ] ||
  fail "the box is centred at $ix,$iy, not at 640,512"
expect_on_top "$info"
click "$info" $(scaled "$info" 160 208 322 240)
wait_window_gone "$INFO"

# "PROGRAMMA DI ARITMETICA" at its enlarged place: the menu opens, full
# screen as well.
click "$title" $(scaled "$title" 396 216)
menu=$(wait_window "$MENU")
wait_size "$menu" "$DISPLAY_SIZE"
click "$menu" $(scaled "$menu" 380 280)  # column addition
board=$(wait_window "$ADDITION")
wait_size "$board" "$DISPLAY_SIZE"

# F11 again: the fixed size, and the next screen keeps it.
press_keys "$board" F11
wait_size "$board" "792x566"
click "$board" 43 519  # "TORNA A MENU"
menu=$(wait_window "$MENU")
expect_eq "$(window_size "$menu")" "792x566" "the menu after full screen"

if [ -n "$E2E_WM" ]; then
  # Maximised by the window manager, the menu is enlarged the same way.
  xtool maximize "$menu" on
  for i in $(seq 1 50); do
    [ "$(window_size "$menu")" != "792x566" ] && break
    sleep 0.1
  done
  maximised=$(window_size "$menu")
  [ "$maximised" != "792x566" ] || fail "the menu was not maximised"
  sleep 0.3
  click "$menu" $(scaled "$menu" 380 280)
  board=$(wait_window "$ADDITION")
  wait_size "$board" "$maximised"
  xtool maximize "$board" off
  wait_size "$board" "792x566"
fi
expect_running
pass
