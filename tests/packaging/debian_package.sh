# Builds the Debian package with CPack and checks it: the files it installs,
# its dependencies (the libraries found by dpkg-shlibdeps and the run-time
# packages named in the build), and lintian, whose errors fail the test.
# Usage: debian_package.sh BUILD_DIR APP_ID RUNTIME_PACKAGE...
set -euo pipefail

BUILD="${1:?usage: $0 build-dir app-id runtime-package...}"
APP_ID="${2:?usage: $0 build-dir app-id runtime-package...}"
shift 2
runtime_packages=("$@")
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$TMP" >"$TMP/cpack.log" 2>&1 || {
  cat "$TMP/cpack.log" >&2
  echo "FAIL: cpack" >&2
  exit 1
}
debs=("$TMP"/aritmetica_*.deb)
[ -f "${debs[0]}" ] || {
  cat "$TMP/cpack.log" >&2
  echo "FAIL: no aritmetica_*.deb" >&2
  exit 1
}
deb="${debs[0]}"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Section Depends

# Dependencies: the libraries, and the packages no library pulls in.
depends=", $(dpkg-deb --field "$deb" Depends),"
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libpulse0 "${runtime_packages[@]}"; do
  [[ "$depends" == *", $p"[,\ ]* ]] || fail "the package does not depend on $p"
done

# The files, as the install rules put them under /usr.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort >"$TMP/files"
for f in usr/bin/aritmetica "usr/share/applications/$APP_ID.desktop" "usr/share/metainfo/$APP_ID.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" "usr/share/icons/hicolor/48x48/apps/$APP_ID.png" \
  usr/share/man/man1/aritmetica.1.gz usr/share/man/it/man1/aritmetica.1.gz \
  usr/share/doc/aritmetica/copyright usr/share/doc/aritmetica/changelog.gz; do
  grep -qx "$f" "$TMP/files" || fail "the package lacks /$f"
done
dpkg-deb --contents "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {print}' >"$TMP/dirs"
[ ! -s "$TMP/dirs" ] || fail "folders with unusual permissions: $(cat "$TMP/dirs")"
dpkg-deb --extract "$deb" "$TMP/root"
! readelf --section-headers "$TMP/root/usr/bin/aritmetica" | grep -q -e '\.symtab' -e '\.debug_' ||
  fail "the program is not stripped"

# lintian: errors fail the test; warnings and notes are shown.
echo "--- lintian:"
lintian_status=0
lintian --fail-on error --display-info "$deb" >"$TMP/lintian.log" 2>&1 || lintian_status=$?
grep -v 'running with root privileges is not recommended' "$TMP/lintian.log" || true
echo "--- lintian exit status: $lintian_status"
((lintian_status == 0)) || fail "lintian reports errors"

if ((failures)); then
  echo "$failures failures" >&2
  exit 1
fi
echo "PASS: debian_package"
