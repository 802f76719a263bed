#!/usr/bin/env bash
# Renders the screenshots that the AppStream metadata names into
# docs/screenshots/, from a built tree: packaging/screenshots.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
snapshot="${1:-build}/tools/snapshot"
out=docs/screenshots
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
"$snapshot" "$out/menu.png" start click:Label2 move:Label5
"$snapshot" "$out/column-addition.png" clock:36000 show:Form4 click:Label6 click:Text6 type:9
"$snapshot" "$out/abacus.png" clock:36001 show:Form15 click:Label18 click:Image1
