# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Starts Qt Designer (offscreen) with the build's plugin folder and checks that it loaded the
# plugin. -DDESIGNER= -DPLUGINS= -DSCRATCH=
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
# Designer keeps running; it has loaded its plugins well before the time runs out.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_DEBUG_PLUGINS=1 QT_PLUGIN_PATH=${PLUGINS}
          HOME=${SCRATCH} XDG_CONFIG_HOME=${SCRATCH} ${DESIGNER}
  TIMEOUT 10 OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(REGEX MATCH "libpellucor-controls-designer\\.so\" loaded library" loaded "${out}")
if(NOT loaded)
  message(FATAL_ERROR "Designer did not load the plugin:\n${out}")
endif()
message(STATUS "Designer loaded libpellucor-controls-designer.so")
