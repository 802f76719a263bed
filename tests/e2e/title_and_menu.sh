#!/usr/bin/env bash
# The title screen, the information box and the main menu in the real window.
source "$(dirname "$0")/lib/common.sh"

TITLE="tevo - Aritmetica cl\. II"
MENU="tevo - Aritmetica cl\. II     MENU"

start_app
title=$(wait_window "$TITLE")
expect_eq "$(window_size "$title")" "792x566" "title window size"

# INFO opens the box over the title, which then takes no click until OK.
click "$title" 389 508
info=$(wait_window "Informazioni")
expect_eq "$(window_size "$info")" "322x240" "information box size"
click "$title" 396 216
sleep 0.5
window_names | grep -q "MENU" && fail "the title took a click behind the information box"
click "$info" 160 208
wait_window_gone "Informazioni"

# Into the menu and back to the title.
click "$title" 396 216
menu=$(wait_window "$MENU")
wait_window_gone "$TITLE"
click "$menu" 43 519
title=$(wait_window "$TITLE")
wait_window_gone "$MENU"

# The information box closed through its frame lets the title work again.
click "$title" 389 508
info=$(wait_window "Informazioni")
close_window "$info"
wait_window_gone "Informazioni"
click "$title" 396 216
menu=$(wait_window "$MENU")

# The menu's exit hotspot ends the program.
click "$menu" 688 340
wait_exit

# The title's exit hotspot ends it too.
start_app
title=$(wait_window "$TITLE")
click "$title" 688 340
wait_exit

# So does closing the last window through its frame.
start_app
title=$(wait_window "$TITLE")
close_window "$title"
wait_exit
pass
