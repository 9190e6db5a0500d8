#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
#
# The binary interface of the controls library against its committed baseline, the abidw
# description of the first release of its SONAME (controls/abi/SONAME.abi.xz; for
# libpellucor-controls.so.1, release 1.0).
#
#   controls-abi.sh check LIBRARY   abidiff against the baseline; fails on any change but additions
#   controls-abi.sh dump LIBRARY    writes the baseline anew from LIBRARY
#
# LIBRARY is a build's libpellucor-controls.so.1.x.y, built with debug information (the
# RelWithDebInfo configuration). Needs abigail-tools and xz-utils.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-}
library=${2:-}
if [ -z "$library" ] || [ ! -f "$library" ] || { [ "$mode" != check ] && [ "$mode" != dump ]; }; then
  echo "usage: $0 check|dump LIBRARY" >&2
  exit 2
fi
for tool in abidw abidiff xz; do
  command -v "$tool" >/dev/null || { echo "$tool not found (packages abigail-tools xz-utils)"; exit 77; }
done
soname=$(readelf -d "$library" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
baseline=$here/controls/abi/$soname.abi.xz

if [ "$mode" = dump ]; then
  # No paths of this machine and no parameter names: neither is part of the interface.
  abidw --exported-interfaces-only --no-corpus-path --no-comp-dir-path --no-show-locs --no-parameter-names \
        --type-id-style hash "$library" | xz -9 > "$baseline"
  echo "wrote $baseline"
  exit 0
fi

# Without debug information abidiff sees symbols only, not the layout of the classes.
if ! readelf -S "$library" | grep -q '\.debug_info'; then
  echo "$library has no debug information (build RelWithDebInfo or Debug): not checked"
  exit 77
fi

if [ ! -f "$baseline" ]; then
  echo "FAIL: no baseline for $soname ($baseline); write it with: $0 dump $library"
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
xz -dc "$baseline" > "$work/baseline.abi"
set +e
abidiff --no-added-syms "$work/baseline.abi" "$library" > "$work/report.txt" 2>&1
status=$?
set -e
cat "$work/report.txt"
# abidiff's status is a bit set: 1 error, 2 usage error, 4 a change, 8 a change abidiff itself
# calls incompatible (a symbol removed). A class grown by a member is only "a change" to it, yet
# breaks every program that allocates or derives from the class, so any change fails.
if [ "$status" -ne 0 ]; then
  echo "FAIL: abidiff status $status: $soname differs from its baseline in a way programs built against it see"
  exit 1
fi
echo "$soname: same interface as its baseline"
