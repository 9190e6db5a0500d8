#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
#
# Builds Qt for 64-bit Windows (Core, Gui, Widgets and the windows plugins) from Debian's own
# qtbase source with mingw-w64, once, into a cache folder named after the version and the options;
# prints that folder. Debian ships no Qt for Windows, and the host's tools (moc, uic, rcc) must
# come from the same version, so the source is the one the host's Qt was built from.
# Usage: build-qt-windows.sh [--print-dir]   (--print-dir: only print where it is or would be)
# Environment: PELLUCOR_QT_CACHE (default ~/.cache/pellucor), PELLUCOR_DEBIAN_MIRROR,
#              PELLUCOR_QT_JOBS (default: number of cores).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

# Same version as the host's moc/uic/rcc, which the cross build runs.
qt_source_version=$(dpkg-query -W -f='${source:Version}' libqt6core6)
qt_version=${qt_source_version%%+*}
toolchain="$here/cmake/mingw-w64-x86_64.cmake"

options=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_testlib=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_png=ON -DFEATURE_system_png=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_freetype=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_doubleconversion=OFF
  # Debian's +dfsg source has no src/3rdparty/wintab.
  -DFEATURE_tabletevent=OFF
  # With Direct2D off, qwindows.dll of 6.4.2 only links without DirectWrite 3.
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
)
# The toolchain file's comments may change without a rebuild; its compilers may not.
key=$( { printf '%s\n' "$qt_source_version" "${options[@]}"; grep -v '^ *#' "$toolchain";
  x86_64-w64-mingw32-g++-posix -dumpfullversion; } | sha256sum | cut -c1-8)
cache=${PELLUCOR_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pellucor}
prefix="$cache/qt-$qt_version-mingw-$key"

if [ "${1:-}" = --print-dir ]; then
  echo "$prefix"
  exit 0
fi
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
# One build at a time: a second caller waits for the first and then takes its result.
mkdir -p "$cache"
exec 9>"$prefix.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work="$cache/qt-$qt_version-mingw-$key.work"
# An interrupted build goes on where it stopped; anything else starts afresh.
if [ ! -f "$work/build/build.ninja" ]; then
  rm -rf "$work"
  mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts" "$work/src"

  # A private source list and private state: the system's apt configuration stays as it is.
  mirror=${PELLUCOR_DEBIAN_MIRROR:-http://deb.debian.org/debian}
  cat >"$work/apt/sources.list" <<EOF
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm-updates main
EOF
  apt_private=(
    -o Dir::Etc::SourceList="$work/apt/sources.list"
    -o Dir::Etc::SourceParts="$work/apt/parts"
    -o Dir::State::Lists="$work/apt/lists"
    -o Dir::Cache="$work/apt/cache"
    -o APT::Sandbox::User="$(id -un)"
    -o Debug::NoLocking=1
  )
  echo "Fetching qtbase $qt_source_version source into $work/src" >&2
  apt-get "${apt_private[@]}" -qq update >&2
  (cd "$work/src" && apt-get "${apt_private[@]}" -qq source "qt6-base=$qt_source_version" >&2)
fi
source_dir=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
[ -f "$source_dir/CMakeLists.txt" ] || { echo "no qtbase source unpacked" >&2; exit 1; }
# Without OpenGL, 6.4.2 still turns dynamic OpenGL on for Windows, and the windows platform
# plugin then asks an OpenGL context that is not built whether it is a software one.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  "$source_dir/src/plugins/platforms/windows/qwindowswindow.cpp"

echo "Configuring and building Qt for Windows in $work/build (about 20 minutes on 2 cores)" >&2
if [ ! -f "$work/build/build.ninja" ]; then
  cmake -S "$source_dir" -B "$work/build" "${options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log" >&2; exit 1; }
fi
nice -n 5 cmake --build "$work/build" -j "${PELLUCOR_QT_JOBS:-$(nproc)}" >>"$work/build.log" 2>&1 ||
  { tail -40 "$work/build.log" >&2; exit 1; }
rm -rf "$prefix"
cmake --install "$work/build" >"$work/install.log" 2>&1 ||
  { tail -40 "$work/install.log" >&2; exit 1; }
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
