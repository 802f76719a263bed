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
  # The tests run a second time in the children's locale.
  locales
)
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The children's own locale, it_IT.UTF-8, in which the tests run a second
# time: enabled in /etc/locale.gen, so a later locale-gen keeps it.
if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
  if grep -q '^# *it_IT\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    "${sudo_cmd[@]}" sed -i 's/^# *\(it_IT\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^it_IT\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'it_IT.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
