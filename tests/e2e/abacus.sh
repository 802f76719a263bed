#!/usr/bin/env bash
# The abacus module in the real window: from the main menu to the module
# menu, then building a number on the abacus by dragging beads and having it
# checked with "CONTROLLO".
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
# Every window of the module has this caption: our credit, then the title.
MODULE="Esercizi per la scuola primaria IL NUMERO: I numeri entro 1000 in lettere e in cifre          a\.s\.  2007-08"

BLUE="#0000FF"
HAPPY_MOUTH="#8C2A1C"
SAD_TEAR="#7FCFFF"

# Presses the button on a point of the window and lets it go far outside it.
drag_outside() {
  local win="$1" x="$2" y="$3" wx
  wx=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9]*\),.*/\1/p')
  xdotool mousemove --window "$win" "$x" "$y"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  if [ "$((wx + 792))" -lt 1200 ]; then
    xdotool mousemove 1250 1000
  else
    xdotool mousemove 5 1000
  fi
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}

# Places in pixels of the building screen (twips / 15).
RANGE_10="316 68"
COMPUTER="704 450"
CHECK="588 412"
FACE="560 432 64 64"
# Blue bead i stands in the supply at x 688, y 104 + 32 (i - 1).
supply_blue() { echo "704 $((120 + 32 * ($1 - 1)))"; }
# Above the highest bead a rod area is free: over the units and tens rods.
UNITS_ROD="496 100"
TENS_ROD="424 100"
# The bead at position p of a rod has its top at 400 - 32 p.
units_bead_area() { echo "482 $((402 - 32 * $1)) 28 28"; }

face_is() {
  local win="$1" what
  if [ "$(count_colour "$win" $FACE "$HAPPY_MOUTH")" -ge 20 ]; then
    what=happy
  elif [ "$(count_colour "$win" $FACE "$SAD_TEAR")" -ge 5 ]; then
    what=sad
  else
    what=neutral
  fi
  echo "$what"
}

start_app
title=$(wait_window "$TITLE")
click "$title" 396 216
menu=$(wait_window "$MENU")
click "$menu" 144 96
modmenu=$(wait_window "$MODULE")
wait_window_gone "$MENU"
expect_eq "$(window_size "$modmenu")" "792x566" "module menu size"

# The upper arrow of row 2: building on the abacus.
click "$modmenu" 488 290
abacus=$(wait_other_window "$MODULE" "$modmenu")

# Range 10, then a number from the computer.
click "$abacus" $RANGE_10
click "$abacus" $COMPUTER
expect_colour "$abacus" $(supply_blue 1 | awk '{print $1 - 14, $2 - 14}') 28 28 "$BLUE" 200

# A blue bead dropped on the tens rod goes back to its slot.
drag "$abacus" $(supply_blue 1) $TENS_ROD
expect_colour "$abacus" $(supply_blue 1 | awk '{print $1 - 14, $2 - 14}') 28 28 "$BLUE" 200
expect_no_colour "$abacus" 410 370 30 30 "$BLUE"
# So does one let go outside the window.
drag_outside "$abacus" $(supply_blue 1)
expect_colour "$abacus" $(supply_blue 1 | awk '{print $1 - 14, $2 - 14}') 28 28 "$BLUE" 200

# The right button pressed and let go over the units rod in the middle of
# a drag drops nothing there; the left button's release, over the board
# beside the rods, sends the bead back to its slot.
xdotool mousemove --window "$abacus" $(supply_blue 1)
sleep 0.1
xdotool mousedown 1
sleep 0.1
xdotool mousemove --window "$abacus" $UNITS_ROD
sleep 0.2
xdotool click 3
sleep 0.3
expect_no_colour "$abacus" $(units_bead_area 1) "$BLUE"
xdotool mousemove --window "$abacus" 120 300
sleep 0.2
xdotool mouseup 1
sleep 0.3
expect_no_colour "$abacus" $(units_bead_area 1) "$BLUE"
expect_colour "$abacus" $(supply_blue 1 | awk '{print $1 - 14, $2 - 14}') 28 28 "$BLUE" 200

# The number is 0 to 9: add blue beads one at a time until the check is
# right; each lands on the lowest free position of the units rod.
beads=0
while :; do
  click "$abacus" $CHECK
  verdict=$(face_is "$abacus")
  [ "$verdict" = happy ] && break
  [ "$verdict" = sad ] || fail "no verdict after CONTROLLO with $beads beads"
  [ "$beads" -lt 9 ] || fail "no number of units beads was right"
  beads=$((beads + 1))
  drag "$abacus" $(supply_blue "$beads") $UNITS_ROD
  expect_colour "$abacus" $(units_bead_area "$beads") "$BLUE" 200
  expect_no_colour "$abacus" $(supply_blue "$beads" | awk '{print $1 - 10, $2 - 10}') 20 20 "$BLUE"
  [ "$(face_is "$abacus")" = neutral ] || fail "picking a bead up did not put the verdict away"
done
echo "built $beads on the abacus"

# One bead too many is wrong.
if [ "$beads" -lt 9 ]; then
  drag "$abacus" $(supply_blue 9) $UNITS_ROD
  click "$abacus" $CHECK
  expect_eq "$(face_is "$abacus")" sad "verdict with one bead too many"
fi

# The pointing hand goes back to the module menu.
click "$abacus" 43 519
wait_other_window "$MODULE" "$abacus" >/dev/null
expect_running
pass
