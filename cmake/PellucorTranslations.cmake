# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
#
# The program's translations: translations/pellucor_<language>.ts compiled by lrelease and
# embedded in the window library under :/i18n, so the program finds them wherever it is
# installed; plus a pseudo-translation (tag en_XA) generated from their source texts.
# `cmake --build build --target update_translations` refreshes the .ts files from the sources.

set(PELLUCOR_LANGUAGES de fr es it pt_BR nl pl ru ja zh_CN ar fa)
set(PELLUCOR_PSEUDO_LANGUAGE en_XA)
# What lupdate scans for texts, from the source folder.
set(PELLUCOR_LUPDATE_SOURCES app calc support controls/ProgressBar.cpp)
set(PELLUCOR_LUPDATE_OPTIONS -locations none -no-obsolete)
set(PELLUCOR_TS_FILES "")
foreach(lang IN LISTS PELLUCOR_LANGUAGES)
  list(APPEND PELLUCOR_TS_FILES ${PROJECT_SOURCE_DIR}/translations/pellucor_${lang}.ts)
endforeach()

function(pellucor_add_translations target)
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(dir ${PROJECT_SOURCE_DIR}/translations)
  set(ts_files ${PELLUCOR_TS_FILES})

  # The pseudo-translation is made at build time, so lrelease is called for it here: Qt's
  # function would take the not yet existing .ts for one to be created by lupdate.
  set(pseudo_ts ${CMAKE_CURRENT_BINARY_DIR}/pseudo/pellucor_${PELLUCOR_PSEUDO_LANGUAGE}.ts)
  set(pseudo_qm ${CMAKE_CURRENT_BINARY_DIR}/pellucor_${PELLUCOR_PSEUDO_LANGUAGE}.qm)
  list(GET ts_files 0 pseudo_from)
  add_custom_command(OUTPUT ${pseudo_qm}
    COMMAND Python3::Interpreter ${dir}/make-pseudo.py ${pseudo_from} ${pseudo_ts} ${PELLUCOR_PSEUDO_LANGUAGE}
    COMMAND Qt6::lrelease -silent ${pseudo_ts} -qm ${pseudo_qm}
    DEPENDS ${dir}/make-pseudo.py ${pseudo_from} Qt6::lrelease
    COMMENT "Generating the pseudo-translation ${PELLUCOR_PSEUDO_LANGUAGE}" VERBATIM)

  # -silent: the count of unfinished entries per file is the completeness test's business.
  qt_add_lrelease(${target} TS_FILES ${ts_files} OPTIONS -silent QM_FILES_OUTPUT_VARIABLE qm_files)
  list(APPEND qm_files ${pseudo_qm})
  qt_add_resources(${target} pellucor_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${qm_files})

  # Without source locations, so that a change of line numbers never touches the catalogues
  # and the translators' branches merge cleanly.
  add_custom_target(update_translations
    COMMAND Qt6::lupdate ${PELLUCOR_LUPDATE_OPTIONS} ${PELLUCOR_LUPDATE_SOURCES} -ts ${ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Refreshing translations/*.ts from the sources" VERBATIM)
endfunction()
