#!/usr/bin/env bash
# A chosen counting series in the real window: limit 9, step 9 gives one
# problem (0, then 9); the next request opens the dialog over the disabled
# screen, and "SÌ" runs the series again.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
COUNTING="tevo - Aritmetica cl\. II     NUMERAZIONI \( entro 99 \)"
DIALOG="tevo - Aritmetica cl\. II     NUMERAZIONI"

# Centres of the controls, in pixels of the client area (twips / 15).
A_SCELTA="308 92"
LIMIT="504 90"
STEP="616 90"
DAMMI="148 512"
BOX2="152 276"
SI="80 176"
BOX2_RECT="124 244 34 65"  # the left of Text2: the digit, not the caret after it

start_app
title=$(wait_window "$TITLE")
click "$title" 396 216
menu=$(wait_window "$MENU")
click "$menu" 644 92
counting=$(wait_window "$COUNTING")
wait_window_gone "$MENU"
expect_eq "$(window_size "$counting")" "792x566" "counting window size"

click "$counting" $A_SCELTA
click "$counting" $LIMIT
type_text "$counting" "9"
click "$counting" $STEP
type_text "$counting" "9"

# The one problem of the series: 0, then 9 in the first box, white when right.
click "$counting" $DAMMI
click "$counting" $BOX2
type_text "$counting" "9"
expect_colour "$counting" $BOX2_RECT "#ffffff"
expect_no_colour "$counting" $BOX2_RECT "#ff0000"

# The series is over: the dialog stands over the screen, which takes no click.
click "$counting" $DAMMI
dialog=$(wait_window "$DIALOG")
expect_eq "$(window_size "$dialog")" "322x241" "dialog size"
names=$(window_names)
grep -qF "NUMERAZIONI ( entro 99 )" <<<"$names" || fail "the counting screen went away behind the dialog"
click "$counting" 43 519
sleep 0.5
names=$(window_names)
grep -q "MENU" <<<"$names" && fail "the counting screen took a click behind the dialog"
expect_eq "$(grep -c 'NUMERAZIONI$' <<<"$names")" "1" "dialogs open"

# "SÌ": the same series again; a wrong digit is red.
click "$dialog" $SI
wait_window_gone "$DIALOG"
click "$counting" $DAMMI
click "$counting" $BOX2
type_text "$counting" "8"
expect_colour "$counting" $BOX2_RECT "#ff0000"
expect_no_colour "$counting" $BOX2_RECT "#ffffff"
click "$counting" $DAMMI
dialog=$(wait_window "$DIALOG")
click "$dialog" $SI
wait_window_gone "$DIALOG"
expect_running

# Back to the menu through the pointing hand.
click "$counting" 43 519
wait_window "$MENU" >/dev/null
wait_window_gone "$COUNTING"
pass
