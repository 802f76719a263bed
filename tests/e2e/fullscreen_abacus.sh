#!/usr/bin/env bash
# A bead dragged onto its rod on a whiteboard: full screen from the title,
# every screen after it full screen too, the drag at the enlarged places of
# the bead and the rod, and a bead let go in the dark frame goes back.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
MODULE="Esercizi per la scuola primaria IL NUMERO: I numeri entro 1000 in lettere e in cifre          a\.s\.  2007-08"
BLUE="#0000FF"
DISPLAY_SIZE="1280x1024"

# A rectangle of the screen at 100 % (x y w h), as the enlarged window shows it.
scaled_area() {
  local win="$1" x="$2" y="$3" w="$4" h="$5" x2 y2
  read -r x y <<<"$(scaled "$win" "$x" "$y")"
  read -r x2 y2 <<<"$(scaled "$win" $(($2 + w)) $(($3 + h)))"
  echo "$x $y $((x2 - x)) $((y2 - y))"
}

start_app
title=$(wait_window "$TITLE")
press_keys "$title" F11
wait_size "$title" "$DISPLAY_SIZE"
click "$title" $(scaled "$title" 396 216)
menu=$(wait_window "$MENU")
wait_size "$menu" "$DISPLAY_SIZE"
click "$menu" $(scaled "$menu" 144 96)
modmenu=$(wait_window "$MODULE")
wait_size "$modmenu" "$DISPLAY_SIZE"
click "$modmenu" $(scaled "$modmenu" 488 290)
abacus=$(wait_other_window "$MODULE" "$modmenu")
wait_size "$abacus" "$DISPLAY_SIZE"

click "$abacus" $(scaled "$abacus" 316 68)   # the range 10
click "$abacus" $(scaled "$abacus" 704 450)  # the computer gives a number
# The first blue bead, from its place in the supply onto the units rod: it
# stands lowest on the rod, and its place in the supply is empty.
expect_colour "$abacus" $(scaled_area "$abacus" 690 106 28 28) "$BLUE" 400
drag "$abacus" $(scaled "$abacus" 704 120) $(scaled "$abacus" 496 100)
expect_colour "$abacus" $(scaled_area "$abacus" 482 370 28 28) "$BLUE" 400
expect_no_colour "$abacus" $(scaled_area "$abacus" 694 110 20 20) "$BLUE"

# The second bead let go in the dark frame below the board goes back.
read -r bx by <<<"$(scaled "$abacus" 704 152)"
xdotool mousemove --window "$abacus" "$bx" "$by"
sleep 0.1
xdotool mousedown 1
sleep 0.1
xdotool mousemove --window "$abacus" 640 1015
sleep 0.2
xdotool mouseup 1
sleep 0.3
expect_colour "$abacus" $(scaled_area "$abacus" 690 138 28 28) "$BLUE" 400
expect_no_colour "$abacus" $(scaled_area "$abacus" 482 338 28 28) "$BLUE"
expect_running
pass
