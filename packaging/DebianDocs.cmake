# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# What Debian wants beside each package's files: a machine-readable copyright file and a
# changelog in /usr/share/doc/<package>, and the program's manual page. All are made from files
# of ours (LICENSE, NEWS, the manual page's source) and the one version number.

find_program(PELLUCOR_GZIP gzip REQUIRED)

# Debian's changelog dates are RFC 2822, with the day of the week.
function(pellucor_rfc2822_date out iso)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${iso}")
  math(EXPR y "${CMAKE_MATCH_1}")
  math(EXPR m "${CMAKE_MATCH_2}")
  math(EXPR d "${CMAKE_MATCH_3}")
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR i "${m} - 1")
  list(GET offsets ${i} t)
  set(yy ${y})
  if(m LESS 3)
    math(EXPR yy "${y} - 1")
  endif()
  math(EXPR wd "(${yy} + ${yy} / 4 - ${yy} / 100 + ${yy} / 400 + ${t} + ${d}) % 7")
  set(days Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET days ${wd} day)
  list(GET months ${i} month)
  set(${out} "${day}, ${CMAKE_MATCH_3} ${month} ${y} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# The newest NEWS entry, whose items are already written as changelog items.
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS news_lines)
set(news_items "")
set(news_entries 0)
foreach(line IN LISTS news_lines)
  if(line MATCHES "^Pellucor ")
    math(EXPR news_entries "${news_entries} + 1")
  elseif(news_entries EQUAL 1 AND line MATCHES "^  ")
    string(APPEND news_items "${line}\n")
  endif()
endforeach()
if(NOT news_items)
  message(FATAL_ERROR "NEWS has no items for its newest release")
endif()

set(PELLUCOR_DEBIAN_DIR ${CMAKE_CURRENT_BINARY_DIR}/debian)
set(debian_dir ${PELLUCOR_DEBIAN_DIR})
pellucor_rfc2822_date(release_date ${PELLUCOR_RELEASE_DATE})
string(CONCAT changelog "pellucor (${PROJECT_VERSION}) unstable; urgency=medium\n\n${news_items}\n"
  " -- ${PELLUCOR_PACKAGE_CONTACT}  ${release_date}\n")
# Rewritten only when it changes, so the packages are not rebuilt on every configure.
file(CONFIGURE OUTPUT ${debian_dir}/changelog CONTENT "${changelog}" @ONLY)

# DEP-5, with the licence text from LICENSE: paragraphs joined by " .", lines indented.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^MIT License\n\nCopyright[^\n]*\n\n" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
string(CONCAT copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Pellucor\n"
  "Upstream-Contact: ${PELLUCOR_PACKAGE_CONTACT}\n"
  "Source: ${PROJECT_HOMEPAGE_URL}\n\n"
  "Files: *\n"
  "Copyright: 2026 The Pellucor developers\n"
  "License: MIT\n\n"
  "License: MIT\n"
  " ${licence}\n")
file(CONFIGURE OUTPUT ${debian_dir}/copyright CONTENT "${copyright}" @ONLY)

configure_file(linux/pellucor.1.in ${CMAKE_CURRENT_BINARY_DIR}/pellucor.1 @ONLY)
set(PELLUCOR_MANPAGE ${CMAKE_CURRENT_BINARY_DIR}/pellucor.1 PARENT_SCOPE)

# -n: no name and no time stamp in the header, so the same input gives the same package.
add_custom_command(
  OUTPUT ${debian_dir}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/pellucor.1.gz
  COMMAND ${PELLUCOR_GZIP} -9nkf ${debian_dir}/changelog ${CMAKE_CURRENT_BINARY_DIR}/pellucor.1
  DEPENDS ${debian_dir}/changelog ${CMAKE_CURRENT_BINARY_DIR}/pellucor.1
  COMMENT "Compressing the changelog and the manual page")
add_custom_target(pellucor_debian_docs ALL
  DEPENDS ${debian_dir}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/pellucor.1.gz)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/NEWS ${PROJECT_SOURCE_DIR}/LICENSE)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pellucor.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT application)

# package name -> component
function(pellucor_package_docs package component)
  install(FILES ${PELLUCOR_DEBIAN_DIR}/copyright ${PELLUCOR_DEBIAN_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endfunction()
