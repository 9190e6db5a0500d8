# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
#
# Toolchain of the windows preset: mingw-w64 for 64-bit Windows, and the Qt for Windows that
# scripts/build-qt-windows.sh builds once into its cache (built here on first use). Qt's own
# toolchain file then loads mingw-w64-x86_64.cmake and points find_package at that Qt.
if(NOT DEFINED ENV{PELLUCOR_QT_WINDOWS_DIR})
  get_filename_component(_pellucor_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
  execute_process(COMMAND bash "${_pellucor_root}/scripts/build-qt-windows.sh" --print-dir
    OUTPUT_VARIABLE _pellucor_qt OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT EXISTS "${_pellucor_qt}/.complete")
    message(STATUS "Building Qt for Windows once into ${_pellucor_qt} (about 20 minutes on 2 cores)")
    execute_process(COMMAND bash "${_pellucor_root}/scripts/build-qt-windows.sh"
      OUTPUT_VARIABLE _pellucor_qt OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endif()
  # Also read by the configure runs of try_compile, which load this file again.
  set(ENV{PELLUCOR_QT_WINDOWS_DIR} "${_pellucor_qt}")
endif()
set(PELLUCOR_QT_WINDOWS_DIR "$ENV{PELLUCOR_QT_WINDOWS_DIR}")
# The path recorded when Qt was built may be another checkout's.
set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")
include("${PELLUCOR_QT_WINDOWS_DIR}/lib/cmake/Qt6/qt.toolchain.cmake")
