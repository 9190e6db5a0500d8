#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Installs what is missing, builds Pellucor with its tests in build/ and runs every test (the
# core tests also under valgrind); then each fuzzer for a bounded time in build-fuzz/, and all
# the tests again under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
werror=OFF
[ -n "${CI:-}" ] && werror=ON
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLUCOR_BUILD_TESTS=ON \
  -DPELLUCOR_MEMCHECK=ON -DPELLUCOR_WERROR="$werror"
cmake --build build -j "$jobs"
# Qt for Windows, which the Windows tier's tests build Pellucor.exe against: once, then cached.
bash scripts/build-qt-windows.sh >/dev/null
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 900

cmake --preset fuzz -DPELLUCOR_WERROR="$werror"
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"
cat build-fuzz/fuzz/*/summary.txt

# Last, so that its summary closes the run. Its test preset leaves out the tests labelled
# platform (they drive other programs: a compositor, Wine, a consumer build, long soak runs) and
# equivalence (arithmetic only, minutes under the sanitizers; run above and under Wine).
cmake --preset asan -DPELLUCOR_WERROR="$werror"
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs" --timeout 900
