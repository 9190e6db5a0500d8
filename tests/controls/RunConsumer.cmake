# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Installs the build tree into a scratch prefix, then configures, builds and runs the consumer
# project against that prefix alone.
# -DBUILD_DIR= -DSCRATCH= -DCONSUMER= -DCXX= -DGENERATOR=
foreach(var BUILD_DIR SCRATCH CONSUMER CXX GENERATOR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  message(STATUS "${what}: ok")
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
set(prefix ${SCRATCH}/prefix)
run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
# Only the prefix: no package registry, no system or build-tree copy of the package.
run("configure consumer" ${CMAKE_COMMAND} -S ${CONSUMER} -B ${SCRATCH}/build -G ${GENERATOR}
  -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix}
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_FIND_USE_SYSTEM_PACKAGE_REGISTRY=OFF
  -DEXPECTED_PREFIX=${prefix})
run("build consumer" ${CMAKE_COMMAND} --build ${SCRATCH}/build)
run("run consumer" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${SCRATCH}/build/consumer)
message(STATUS "${output}")
