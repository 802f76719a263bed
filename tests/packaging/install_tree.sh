# Installs the program into a temporary prefix and checks what lands there:
# exactly the expected files, icons of the sizes their folders name, a menu
# entry and AppStream metadata that the validators pass, manual pages that
# format without warnings.
# Usage: install_tree.sh BUILD_DIR APP_ID
set -euo pipefail

BUILD="${1:?usage: $0 build-dir app-id}"
APP_ID="${2:?usage: $0 build-dir app-id}"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
PREFIX="$TMP/prefix"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$BUILD" --prefix "$PREFIX" >"$TMP/install.log" || {
  cat "$TMP/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
}

sizes=(16 24 32 48 64 128 256)
expected=(
  bin/aritmetica
  "share/applications/$APP_ID.desktop"
  "share/metainfo/$APP_ID.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$APP_ID.svg"
  share/man/man1/aritmetica.1.gz
  share/man/it/man1/aritmetica.1.gz
  share/doc/aritmetica/copyright
  share/doc/aritmetica/changelog.gz
)
for size in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")
done

# The tree holds these files and nothing else.
printf '%s\n' "${expected[@]}" | sort >"$TMP/expected"
(cd "$PREFIX" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$TMP/installed"
if ! diff -u "$TMP/expected" "$TMP/installed" >"$TMP/tree.diff"; then
  cat "$TMP/tree.diff" >&2
  fail "the installed tree differs from the expected one (- expected, + installed)"
fi

[ -x "$PREFIX/bin/aritmetica" ] || fail "bin/aritmetica is not executable"
bad_modes=$(cd "$PREFIX" && find . -mindepth 1 -type d ! -perm 755 -o -type f ! -name aritmetica ! -perm 644)
[ -z "$bad_modes" ] || fail "files or folders with unusual permissions: $bad_modes"

# Each bitmap icon has the size its folder names.
for size in "${sizes[@]}"; do
  png="$PREFIX/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  [ -f "$png" ] || continue
  got=$(identify -format '%wx%h' "$png")
  [ "$got" = "${size}x${size}" ] || fail "$png is $got"
done

# The menu entry: valid, starts the installed program, shows the installed icon.
desktop="$PREFIX/share/applications/$APP_ID.desktop"
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
  key() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(key Exec)" = aritmetica ] || fail "Exec is '$(key Exec)'"
  [ "$(key Icon)" = "$APP_ID" ] || fail "Icon is '$(key Icon)'"
  [ "$(key Terminal)" = false ] || fail "Terminal is '$(key Terminal)'"
  [ "$(key Categories)" = "Education;Math;" ] || fail "Categories are '$(key Categories)'"
  [ "$(key Name)" = Aritmetica ] || fail "Name is '$(key Name)'"
  for k in 'GenericName\[it\]' 'Comment\[it\]' 'Keywords\[it\]'; do
    [ -n "$(key "$k")" ] || fail "no $k in the menu entry"
  done
fi

# AppStream: valid offline, in English and Italian, launching the entry.
metainfo="$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate --no-net $metainfo"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $APP_ID.desktop"
  grep -q '<summary xml:lang="it">' "$metainfo" || fail "no Italian summary"
  grep -q '<p xml:lang="it">' "$metainfo" || fail "no Italian description"
  grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content rating"
  grep -q '<release version=' "$metainfo" || fail "no release"
fi

# The manual pages format cleanly, as lintian checks them.
for page in share/man/man1/aritmetica.1.gz share/man/it/man1/aritmetica.1.gz; do
  [ -f "$PREFIX/$page" ] || continue
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$PREFIX/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
  zcat "$PREFIX/$page" | grep -q -i -e 'writes nothing' -e 'non scrive nulla' || fail "$page does not say that the program writes nothing"
done

if ((failures)); then
  echo "$failures failures" >&2
  exit 1
fi
echo "PASS: install_tree ($(wc -l <"$TMP/installed") files)"
