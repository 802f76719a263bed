#!/usr/bin/env bash
# Column addition without carry in the real window. The problems are drawn
# from the clock, so the script reads them off the board the way a child
# does: it first types every digit into an answer box to learn how each one
# looks in the board's chalk, then reads the digits of the addends by their
# shapes. One problem is answered wrong, the next one right, digit by digit.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"
ADDITION="tevo - Aritmetica cl\. II     ADDIZIONI IN COLONNA SENZA CAMBIO  \( entro 99 \)"

WHITE="#ffffff"
RED="#ff0000"
OUTLINE="#2b1b10"  # every face's outline
HAPPY="#8c2a1c"    # the happy face's mouth
TEAR="#7fcfff"     # the sad face's tear

# Rectangles in pixels (left top width height), twips / 15.
UPPER_TENS="392 96 73 81"     # Label3
UPPER_UNITS="472 96 73 81"    # Label11
LOWER_TENS="392 176 73 81"    # Label12
LOWER_UNITS="472 176 73 81"   # Label13
TENS_BOX="394 274 69 69"      # inside the frame of Text5
UNITS_BOX="474 274 69 69"     # inside the frame of Text6
FACE="624 272 64 64"          # Image1 to Image3
ESATTI_VALUE="544 416 41 33"  # Label15
SU_VALUE="648 416 49 41"      # Label19
centre() { echo $(($1 + $3 / 2)) $(($2 + $4 / 2)); }

# The chalk of a rectangle: its bright pixels (white or red digits), cut to
# their bounding box, saved as rows of 0 and 1.
cat >"$E2E_TMP/glyph.py" <<'EOF'
import re, sys

def load(path):
    rows = [line.strip() for line in open(path) if line.strip()]
    return [[c == "1" for c in row] for row in rows]

def shape(txt, out):
    points = set()
    for line in open(txt):
        m = re.match(r"(\d+),(\d+): \((\d+),(\d+),(\d+)", line)
        if m and max(int(m.group(3)), int(m.group(4)), int(m.group(5))) > 200:
            points.add((int(m.group(1)), int(m.group(2))))
    with open(out, "w") as f:
        if not points:
            return
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        for y in range(min(ys), max(ys) + 1):
            f.write("".join("1" if (x, y) in points else "0" for x in range(min(xs), max(xs) + 1)) + "\n")

def distance(a, b):
    # Pixels that differ, at the best of a few small shifts.
    best = None
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            h = max(len(a), len(b) + dy) + 2
            w = max(max(map(len, a), default=0), max(map(len, b), default=0) + dx) + 2
            n = 0
            for y in range(-1, h):
                for x in range(-1, w):
                    pa = 0 <= y < len(a) and 0 <= x < len(a[y]) and a[y][x]
                    yb, xb = y - dy, x - dx
                    pb = 0 <= yb < len(b) and 0 <= xb < len(b[yb]) and b[yb][xb]
                    n += pa != pb
            best = n if best is None else min(best, n)
    return best

def size(a):
    return sum(map(sum, a))

command = sys.argv[1]
if command == "shape":
    shape(sys.argv[2], sys.argv[3])
elif command == "read":
    glyph = load(sys.argv[2])
    scores = sorted((distance(glyph, load(t)), t) for t in sys.argv[3:])
    best, path = scores[0]
    if not glyph or best > 0.25 * size(glyph):
        sys.exit("unreadable digit (best %d of %d pixels)" % (best, size(glyph)))
    print(re.search(r"digit(\d)", path).group(1))
elif command == "same":
    a, b = load(sys.argv[2]), load(sys.argv[3])
    sys.exit(0 if a and b and distance(a, b) <= 0.2 * max(size(a), size(b)) else 1)
EOF

# capture NAME WINDOW X Y W H: the chalk of a rectangle, as $E2E_TMP/NAME.
capture() {
  local name="$1" win="$2" x="$3" y="$4" w="$5" h="$6"
  import -window "$win" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- >"$E2E_TMP/$name.txt" 2>/dev/null \
    || fail "could not capture $name"
  python3 "$E2E_TMP/glyph.py" shape "$E2E_TMP/$name.txt" "$E2E_TMP/$name"
}
read_digit() {
  capture cell "$@"
  python3 "$E2E_TMP/glyph.py" read "$E2E_TMP/cell" "$E2E_TMP"/digit? || fail "a digit of the problem is unreadable"
}
same_glyph() { python3 "$E2E_TMP/glyph.py" same "$E2E_TMP/$1" "$E2E_TMP/$2"; }

# Reads the addends a and b off the board (the lower tens cell is empty for
# a one-digit addend) and works out their sum, which keeps the screen's rule.
read_problem() {
  a=$(read_digit "$board" $UPPER_TENS)$(read_digit "$board" $UPPER_UNITS)
  b=$(read_digit "$board" $LOWER_UNITS)
  capture cell "$board" $LOWER_TENS
  if [ -s "$E2E_TMP/cell" ]; then
    b=$(read_digit "$board" $LOWER_TENS)$b
  fi
  sum=$((10#$a + 10#$b))
  [ "$sum" -le 99 ] || fail "the sum $a + $b passes 99"
  [ $((10#$a % 10 + 10#$b % 10)) -le 9 ] || fail "$a + $b needs a carry"
}

start_app
title=$(wait_window "$TITLE")
click "$title" 396 216
menu=$(wait_window "$MENU")
click "$menu" 380 280  # "ADDIZIONI IN COLONNA SENZA CAMBIO"
board=$(wait_window "$ADDITION")
wait_window_gone "$MENU"
expect_eq "$(window_size "$board")" "792x566" "addition window size"
expect_no_colour "$board" $FACE "$OUTLINE"
expect_no_colour "$board" $ESATTI_VALUE "$WHITE"
expect_no_colour "$board" $SU_VALUE "$WHITE"

# First problem: every digit typed in turn into the units box, looked at
# once the focus has gone to the tens box (so no caret stands beside it).
click "$board" 148 512  # "DAMMI I NUMERI"
expect_colour "$board" $FACE "$OUTLINE"
expect_no_colour "$board" $FACE "$HAPPY"
expect_no_colour "$board" $FACE "$TEAR"
for digit in 0 1 2 3 4 5 6 7 8 9; do
  click "$board" $(centre $UNITS_BOX)
  type_text "$board" "$digit"
  click "$board" $(centre $TENS_BOX)
  capture "digit$digit" "$board" $UNITS_BOX
done
read_problem
echo "first problem: $a + $b = $sum"

# The units digit right at last (white, happy), then a wrong tens digit:
# red under the sad face, and the problem is scored as wrong.
click "$board" $(centre $UNITS_BOX)
type_text "$board" $((sum % 10))
expect_colour "$board" $UNITS_BOX "$WHITE"
expect_no_colour "$board" $UNITS_BOX "$RED"
expect_colour "$board" $FACE "$HAPPY"
type_text "$board" $(((sum / 10 + 1) % 10))  # the focus moved on to the tens box
expect_colour "$board" $TENS_BOX "$RED"
expect_colour "$board" $FACE "$TEAR"
expect_no_colour "$board" $FACE "$HAPPY"
expect_colour "$board" $ESATTI_VALUE "$WHITE"  # "0"
expect_colour "$board" $SU_VALUE "$WHITE"      # "1"
capture esatti_first "$board" $ESATTI_VALUE
capture su_first "$board" $SU_VALUE
same_glyph esatti_first su_first && fail "ESATTI and SU agree after a wrong problem"

# Second problem, read off the board and answered right digit by digit.
click "$board" 148 512
expect_no_colour "$board" $FACE "$TEAR"
expect_colour "$board" $FACE "$OUTLINE"
read_problem
echo "second problem: $a + $b = $sum"
click "$board" $(centre $UNITS_BOX)
type_text "$board" $((sum % 10))
expect_colour "$board" $UNITS_BOX "$WHITE"
expect_no_colour "$board" $UNITS_BOX "$RED"
expect_colour "$board" $FACE "$HAPPY"
expect_no_colour "$board" $TENS_BOX "$WHITE"  # nothing typed there yet
type_text "$board" $((sum / 10))
expect_colour "$board" $TENS_BOX "$WHITE"
expect_no_colour "$board" $TENS_BOX "$RED"
expect_colour "$board" $FACE "$HAPPY"
# "ESATTI" 1 "SU" 2: ESATTI now shows what SU showed after the first problem.
capture esatti_second "$board" $ESATTI_VALUE
capture su_second "$board" $SU_VALUE
same_glyph esatti_second su_first || fail "ESATTI does not show 1 after a right problem"
same_glyph su_second su_first && fail "SU did not move on to 2"

# Back to the menu, and in again: no face, no score.
click "$board" 43 519  # "TORNA A MENU"
menu=$(wait_window "$MENU")
wait_window_gone "$ADDITION"
click "$menu" 380 280
board=$(wait_window "$ADDITION")
expect_no_colour "$board" $FACE "$OUTLINE"
expect_no_colour "$board" $ESATTI_VALUE "$WHITE"
expect_no_colour "$board" $SU_VALUE "$WHITE"

# The eraser ends the program.
click "$board" 240 512
wait_exit
pass
