#!/usr/bin/env bash
# Installs from Debian's packages what building, running and testing need.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6svg6-dev qt6-svg-dev libgl1-mesa-dev
  libpulse-dev
  fonts-liberation fonts-dejavu-core fonts-dejavu-extra fonts-wine python3-fonttools
  libgtest-dev libgmock-dev libbenchmark-dev
  # The end-to-end tests: an X server, a window manager, keyboard layouts,
  # a sound server, a session bus, an accessibility bus and a client of it
  # as a screen reader uses, strace.
  xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick openbox python3-xlib
  pulseaudio pulseaudio-utils dbus-daemon dbus-bin at-spi2-core python3-pyatspi strace
  # Installing and packaging: icons, the package and its checks.
  librsvg2-bin dpkg-dev lintian desktop-file-utils appstream man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
