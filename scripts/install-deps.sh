#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Installs, with apt-get, whatever of Pellucor's build and test dependencies is missing.
# Usage: install-deps.sh build|test   (test also brings the X server and tools the tests drive)
set -euo pipefail

build_packages=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  fonts-dejavu-core fonts-dejavu-extra xdg-utils libxcb1-dev libfontconfig-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n python3
  qt6-wayland
)
test_packages=(
  python3 libgtest-dev libbenchmark-dev
  xvfb xauth xdotool xclip imagemagick x11-utils dbus dbus-daemon
  appstream desktop-file-utils dpkg-dev file
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  g++-mingw-w64-x86-64-posix wine wine64 nsis fonts-wine
  clang libclang-rt-14-dev valgrind time
  openbox locales at-spi2-core python3-pyatspi gir1.2-atspi-2.0 qt6ct
  libqt6opengl6-dev designer-qt6
  weston python3-gi
  libxcb-damage0-dev
  abigail-tools xz-utils
  lintian reuse man-db debootstrap
  fonts-lohit-beng-bengali
  fonts-wqy-microhei fonts-vlgothic
)

wanted=("${build_packages[@]}")
if [ "${1:-build}" = test ]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# The window is also tried in German and French, as their users see it, and in locales with
# other digits, groupings and marks (Persian, Arabic, Indian, Swiss, Bengali).
missing_locales=()
if [ "${1:-build}" = test ]; then
  for l in de_DE fr_FR fa_IR ar_EG ar_SA hi_IN en_IN de_CH bn_BD; do
    locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || missing_locales+=("$l")
  done
fi
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run this as root, or install sudo, to let it install them." >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
for l in "${missing_locales[@]}"; do
  echo "Generating the locale $l.UTF-8"
  "${as_root[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
