# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# The displayed version has the form 1.00.0017: minor padded to two digits, the fourth
# component to four.
function(pellucor_pad out value width)
  string(LENGTH "${value}" len)
  set(padded "${value}")
  while(len LESS width)
    string(PREPEND padded "0")
    math(EXPR len "${len} + 1")
  endwhile()
  set(${out} "${padded}" PARENT_SCOPE)
endfunction()

pellucor_pad(_minor "${PROJECT_VERSION_MINOR}" 2)
pellucor_pad(_tweak "${PROJECT_VERSION_TWEAK}" 4)
set(PELLUCOR_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${_minor}.${_tweak}")
set(PELLUCOR_COMMENTS "This software is developed for educational purpose.")
set(PELLUCOR_COMPANY "https://pellucor.org/")
