#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Installs what is missing, builds Pellucor in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLUCOR_BUILD_TESTS=OFF >/dev/null
cmake --build build --target pellucor
exec build/bin/pellucor "$@"
