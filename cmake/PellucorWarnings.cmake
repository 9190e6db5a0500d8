# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Applied per target so third-party code (GoogleTest, Qt's generated files) is left alone.
function(pellucor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    $<$<BOOL:${PELLUCOR_WERROR}>:-Werror>)
endfunction()

# IEEE-exact arithmetic: no fused multiply-add, no fast-math, so every result of the search is
# the same on every machine.
function(pellucor_exact_fp target)
  target_compile_options(${target} PRIVATE -ffp-contract=off -fno-fast-math -frounding-math)
endfunction()
