#!/usr/bin/env bash
# The three dialogs stand over the screen they disable, as its dialogs: the
# window manager keeps them above it, they cannot be minimised or maximised,
# and clicks, keys and activation of the screen behind bring them forward;
# the screen behind shows the arrow and takes nothing. A screen shown in
# place of another opens where that one was, wherever it was moved.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
INFO="Informazioni"
DIGITS="tevo - Aritmetica cl II        Numeri in cifre entro 99"
COUNTING="tevo - Aritmetica cl\. II     NUMERAZIONI \( entro 99 \)"
COUNTING_DIALOG="tevo - Aritmetica cl\. II     NUMERAZIONI"
TABLES="tevo - Aritmetica cl\. II     TABELLINE DI PRODOTTI   \( entro 81 \)"
TABLES_DIALOG="tevo - Aritmetica cl\. II     TABELLINE"

# Everything a child may do to the screen behind a dialog; the dialog stays
# in front of it, and the screen takes none of it.
pester() {
  local behind="$1" dialog="$2" point actions
  expect_on_top "$dialog"
  expect_eq "$(xtool transient-for "$dialog")" "$behind" "the window the dialog stands over"
  # No minimise or maximise function nor button in the hints to the window
  # manager (Motif bits 8 and 16, 32 and 64).
  local flags functions decorations
  read -r flags functions decorations <<<"$(xtool motif "$dialog")"
  [ $((flags & 3)) -eq 3 ] || fail "the dialog gives no Motif functions and decorations"
  [ $((functions & 24)) -eq 0 ] || fail "the dialog offers minimise or maximise ($functions)"
  [ $((decorations & 96)) -eq 0 ] || fail "the dialog shows minimise or maximise buttons ($decorations)"
  if [ -n "$E2E_WM" ]; then
    actions=$(xtool allowed-actions "$dialog")
    grep -q "MAXIMIZE" <<<"$actions" && fail "the dialog can be maximised ($actions)"
    # Minimised all the same (from the window manager's menu), it goes
    # with its screen, and comes back in front of it with it (as from a
    # task bar).
    xdotool windowminimize "$dialog"
    sleep 0.5
    xwininfo -id "$behind" | grep -q "IsViewable" && fail "the dialog went, its screen stayed"
    xdotool windowactivate "$behind" 2>/dev/null || true
    sleep 0.5
    expect_on_top "$dialog"
  fi
  for point in "396 216" "100 100" "700 450" "43 519" "148 512"; do
    click "$behind" $point
    expect_on_top "$dialog"
  done
  xdotool windowfocus "$behind" 2>/dev/null || true
  sleep 0.2
  xdotool key a
  sleep 0.3
  expect_on_top "$dialog"
  if [ -n "$E2E_WM" ]; then
    xdotool windowactivate "$behind" 2>/dev/null || true
    sleep 0.5
    expect_on_top "$dialog"
  fi
  expect_eq "$(xdotool getwindowfocus)" "$dialog" "the window with the keyboard"
}

# Centres of two windows' client areas lie within a few pixels.
expect_centred_over() {
  local dialog="$1" behind="$2" dx dy dw dh bx by bw bh
  read -r dx dy <<<"$(window_position "$dialog")"
  read -r bx by <<<"$(window_position "$behind")"
  IFS=x read -r dw dh <<<"$(window_size "$dialog")"
  IFS=x read -r bw bh <<<"$(window_size "$behind")"
  local ox=$(((dx + dw / 2) - (bx + bw / 2))) oy=$(((dy + dh / 2) - (by + bh / 2)))
  [ "${ox#-}" -le 3 ] && [ "${oy#-}" -le 3 ] || fail "the dialog is off the centre of its screen by $ox,$oy"
}

start_app
title=$(wait_window "$TITLE")

# The pointer: a hand over "PROGRAMMA DI ARITMETICA", the arrow beside it.
move "$title" 396 216
hand=$(xtool cursor)
move "$title" 20 20
arrow=$(xtool cursor)
[ "$hand" != "$arrow" ] || fail "no hand over the title's entry"

# Moved to the top left, the title stays there, and its information box
# opens centred over it.
xdotool windowmove "$title" 30 40
sleep 0.5
place=$(window_position "$title")
click "$title" 389 508
info=$(wait_window "$INFO")
expect_centred_over "$info" "$title"
move "$title" 396 216
expect_eq "$(xtool cursor)" "$arrow" "the pointer over the disabled title's entry"
pester "$title" "$info"
window_names | grep -q "MENU" && fail "the title took a click behind the information box"
click "$info" 160 208
wait_window_gone "$INFO"

# Every screen after it opens where the title was.
click "$title" 396 216
menu=$(wait_window "$MENU")
wait_window_gone "$TITLE"
expect_eq "$(window_position "$menu")" "$place" "where the menu opened"
click "$menu" 144 140
digits=$(wait_window "$DIGITS")
expect_eq "$(window_position "$digits")" "$place" "where the exercise opened"
click "$digits" 43 519
menu=$(wait_window "$MENU")
expect_eq "$(window_position "$menu")" "$place" "where the menu opened again"

# The counting screen's dialog, at the end of a series of one problem.
click "$menu" 644 92
counting=$(wait_window "$COUNTING")
click "$counting" 308 92
click "$counting" 504 90
type_text "$counting" "9"
click "$counting" 616 90
type_text "$counting" "9"
click "$counting" 148 512
click "$counting" 152 276
type_text "$counting" "9"
click "$counting" 148 512
dialog=$(wait_window "$COUNTING_DIALOG")
expect_centred_over "$dialog" "$counting"
pester "$counting" "$dialog"
window_names | grep -q "MENU" && fail "the counting screen took a click behind its dialog"
click "$dialog" 80 176  # "SÌ"
wait_window_gone "$COUNTING_DIALOG"
click "$counting" 43 519
menu=$(wait_window "$MENU")

# The tables' dialog, after the ten facts of table 0.
click "$menu" 644 136
tables=$(wait_window "$TABLES")
click "$tables" 548 132
click "$tables" 624 124
type_text "$tables" "0"
for fact in $(seq 1 10); do
  click "$tables" 148 512
  type_text "$tables" "0"
done
click "$tables" 148 512
dialog=$(wait_window "$TABLES_DIALOG")
expect_centred_over "$dialog" "$tables"
pester "$tables" "$dialog"
window_names | grep -q "MENU" && fail "the tables screen took a click behind its dialog"
expect_running
pass
