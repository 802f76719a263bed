#!/usr/bin/env bash
# Keys as a person's hands make them, sent key by key through XTest:
# - a digit held in the units box of column addition, its repeats coming as
#   an X server sends them (a release and a press together), never reaches
#   the tens box, on several problems; and a digit sent right after the
#   right units digit goes to the tens box, where the focus moved;
# - digits typed on the Italian, US, French and German layouts, on the digit
#   row (on the French one with Shift, let go before the digit) and on the
#   keypad with NumLock, are judged on the numbers-in-digits screen, and
#   the keypad without NumLock types no digit;
# - Ctrl with a letter types its control character: in a complete wrong
#   answer it empties the box, as any other key does.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
ADDITION="tevo - Aritmetica cl\. II     ADDIZIONI IN COLONNA SENZA CAMBIO  \( entro 99 \)"
DIGITS="tevo - Aritmetica cl II        Numeri in cifre entro 99"

WHITE="#ffffff"
RED="#ff0000"
HAPPY="#8c2a1c"  # the happy face's mouth
TEAR="#7fcfff"   # the sad face's tear

# Column addition, in pixels (left top width height).
TENS_BOX="394 274 69 69"   # inside the frame of Text5
# The tens box beside its middle, where the caret of the empty box stands:
# any digit reaches into one of the two.
TENS_LEFT="394 272 28 73"
TENS_RIGHT="435 272 28 73"
UNITS_BOX="474 274 69 69"  # inside the frame of Text6
ADDITION_FACE="624 272 64 64"
# Numbers in digits.
ANSWER="424 176 161 113"   # Text1
ANSWER_LEFT="440 176 60 113"
ANSWER_RIGHT="510 176 60 113"
DIGITS_FACE="472 312 64 64"
centre() { echo $(($1 + $3 / 2)) $(($2 + $4 / 2)); }

has_colour() { [ "$(count_colour "$@")" -ge 5 ]; }

start_app
setxkbmap us
title=$(wait_window "$TITLE")
click "$title" 396 216
menu=$(wait_window "$MENU")
click "$menu" 380 280  # "ADDIZIONI IN COLONNA SENZA CAMBIO"
board=$(wait_window "$ADDITION")

# Held digits: each problem's units digit is found by holding one digit
# after another until the face smiles.
for problem in 1 2 3 4; do
  click "$board" 148 512  # "DAMMI I NUMERI"
  right=""
  for digit in 0 1 2 3 4 5 6 7 8 9; do
    click "$board" $(centre $UNITS_BOX)
    focus "$board"
    xtool hold "$(xtool keycode "$digit")" 20 33
    for wait in 1 2 3 4 5 6; do  # a busy machine may take a moment to judge
      sleep 0.15
      has_colour "$board" $ADDITION_FACE "$HAPPY" && right="$digit" && break
    done
    [ -n "$right" ] && break
  done
  [ -n "$right" ] || fail "no digit held in the units box was judged right (problem $problem)"
  expect_colour "$board" $UNITS_BOX "$WHITE"
  expect_no_colour "$board" $TENS_LEFT "$WHITE"
  expect_no_colour "$board" $TENS_RIGHT "$WHITE"
  expect_no_colour "$board" $TENS_LEFT "$RED"
  expect_no_colour "$board" $TENS_RIGHT "$RED"
  echo "problem $problem: units $right held, the tens box stayed empty"
  type_text "$board" "0"  # the tens digit, right or wrong, closes the problem
done

# Two digits in one burst, the first the right units digit: the focus moves
# on at the first one's release, before the second arrives, so the second
# lands in the tens box. (Found by trying the digits in turn: after a wrong
# one the second replaces it in the units box.)
click "$board" 148 512
second=$(xtool keycode 0)
right=""
for digit in 0 1 2 3 4 5 6 7 8 9; do
  click "$board" $(centre $UNITS_BOX)
  focus "$board"
  first=$(xtool keycode "$digit")
  xtool keys "d:$first" "u:$first" "d:$second" "u:$second"
  for wait in 1 2 3 4 5 6; do
    sleep 0.15
    for colour in "$WHITE" "$RED"; do
      has_colour "$board" $TENS_LEFT "$colour" || has_colour "$board" $TENS_RIGHT "$colour" && right="$digit"
    done
    [ -n "$right" ] && break
  done
  [ -n "$right" ] && break
done
[ -n "$right" ] || fail "the second digit of a burst never reached the tens box"
expect_colour "$board" $UNITS_BOX "$WHITE"
expect_no_colour "$board" $UNITS_BOX "$RED"
echo "a burst of $right and 0: $right stayed in the units box, 0 went to the tens box"

click "$board" 43 519  # "TORNA A MENU"
menu=$(wait_window "$MENU")

# Numbers in digits with the limit 1: the number is always 0.
click "$menu" 144 140
digits=$(wait_window "$DIGITS")
click "$digits" 468 104
type_text "$digits" "1"

SHIFT=$(xtool keycode Shift_L)
CONTROL=$(xtool keycode Control_L)
ZERO=$(xtool keycode 0)       # the digit row's keys, found on the US layout
SEVEN=$(xtool keycode 7)
LETTER_A=$(xtool keycode a)
KEYPAD_ZERO=$(xtool keycode KP_0)

ask() {
  click "$digits" 152 508  # "DAMMI IL NUMERO IN LETTERE"
  click "$digits" $(centre $ANSWER)
  focus "$digits"
  expect_no_colour "$digits" $DIGITS_FACE "$HAPPY"
  expect_no_colour "$digits" $DIGITS_FACE "$TEAR"
}
# Presses and releases a key of the digit row, with Shift where the layout
# needs it for digits; Shift goes up first.
digit_key() {
  if [ "$1" = fr ]; then
    xtool keys "d:$SHIFT" "d:$2" s:30 "u:$SHIFT" s:30 "u:$2"
  else
    xtool keys "d:$2" s:30 "u:$2"
  fi
  sleep 0.3
}

for layout in it us fr de; do
  setxkbmap "$layout"
  ask
  digit_key "$layout" "$ZERO"
  has_colour "$digits" $DIGITS_FACE "$HAPPY" || fail "0 on the digit row was not judged right ($layout)"

  ask
  xtool numlock on
  xtool keys "d:$KEYPAD_ZERO" s:30 "u:$KEYPAD_ZERO"
  sleep 0.3
  has_colour "$digits" $DIGITS_FACE "$HAPPY" || fail "0 on the keypad was not judged right ($layout)"

  ask
  xtool numlock off
  xtool keys "d:$KEYPAD_ZERO" s:30 "u:$KEYPAD_ZERO"
  sleep 0.3
  expect_no_colour "$digits" $DIGITS_FACE "$HAPPY"
  expect_no_colour "$digits" $DIGITS_FACE "$TEAR"
  digit_key "$layout" "$SEVEN"
  has_colour "$digits" $DIGITS_FACE "$TEAR" || fail "7 on the digit row was not judged wrong ($layout)"
  echo "layout $layout: digit row and keypad judged"
done

# Ctrl+A in the box that holds the wrong 7 empties it.
setxkbmap us
expect_colour "$digits" $ANSWER_LEFT "$WHITE"
xtool keys "d:$CONTROL" "d:$LETTER_A" s:30 "u:$LETTER_A" "u:$CONTROL"
sleep 0.3
expect_no_colour "$digits" $ANSWER_LEFT "$WHITE"
expect_no_colour "$digits" $ANSWER_RIGHT "$WHITE"
expect_running
pass
