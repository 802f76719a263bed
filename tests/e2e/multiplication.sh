#!/usr/bin/env bash
# The multiplication tables in the real window: table 0 run through its ten
# facts to the dialog, then "NO" gives the choice of mode back.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
TABLES="tevo - Aritmetica cl\. II     TABELLINE DI PRODOTTI   \( entro 81 \)"
DIALOG="tevo - Aritmetica cl\. II     TABELLINE"

WHITE="#ffffff"
RED="#ff0000"
GREY="#c0c0c0"       # the text of a disabled label
HAPPY="#8c2a1c"      # the happy face's mouth
TEAR="#7fcfff"       # the sad face's tear

# Rectangles in pixels (left top width height) of the tables screen.
ANSWER="473 217 88 88"      # Text3
FACE="608 224 64 64"        # Image1 to Image3
SU_VALUE="648 416 49 41"    # Label19
TABLE_WORDS="496 120 105 25"  # Label10 "Tabellina del"

start_app
title=$(wait_window "$TITLE")
click "$title" 396 216
menu=$(wait_window "$MENU")
click "$menu" 644 136  # "TABELLINE DI PRODOTTI"
tables=$(wait_window "$TABLES")
wait_window_gone "$MENU"
expect_eq "$(window_size "$tables")" "792x566" "tables window size"
expect_no_colour "$tables" $FACE "$HAPPY"

# "Tabellina del", then the table number 0 in its box.
click "$tables" 548 132
click "$tables" 624 124
type_text "$tables" "0"

for fact in $(seq 1 10); do
  click "$tables" 148 512  # "DAMMI I NUMERI"
  if [ "$fact" -eq 1 ]; then
    # Every product of table 0 is 0: a 9 is wrong, red under the sad face.
    type_text "$tables" "9"
    expect_colour "$tables" $ANSWER "$RED"
    expect_colour "$tables" $FACE "$TEAR"
  fi
  type_text "$tables" "0"
  expect_colour "$tables" $ANSWER "$WHITE"
  expect_no_colour "$tables" $ANSWER "$RED"
  expect_colour "$tables" $FACE "$HAPPY"
  expect_colour "$tables" $TABLE_WORDS "$GREY"  # the mode stays locked
done
expect_colour "$tables" $SU_VALUE "$WHITE"

# The eleventh request opens the dialog over the disabled screen.
click "$tables" 148 512
dialog=$(wait_window "$DIALOG")
expect_eq "$(window_size "$dialog")" "323x240" "dialog size"
click "$tables" 148 512
sleep 0.3
expect_eq "$(window_names | grep -c "^tevo - Aritmetica cl. II     TABELLINE$")" "1" "dialogs open"

# "NO": the dialog goes, the screen takes clicks again and offers both modes.
click "$dialog" 240 168
wait_window_gone "$DIALOG"
expect_running
expect_colour "$tables" $TABLE_WORDS "$WHITE"
expect_no_colour "$tables" $TABLE_WORDS "$GREY"
expect_no_colour "$tables" $ANSWER "$WHITE"

# Random facts can be asked again: the neutral face comes back.
click "$tables" 244 132  # "Tabelline casuali entro 9"
click "$tables" 148 512
expect_no_colour "$tables" $FACE "$HAPPY"
expect_no_colour "$tables" $FACE "$TEAR"
expect_colour "$tables" $FACE "#2b1b10"

# The eraser ends the program.
click "$tables" 240 512
wait_exit
pass
