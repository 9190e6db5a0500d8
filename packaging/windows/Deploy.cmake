# SPDX-FileCopyrightText: 2026 The Pellucor developers
# SPDX-License-Identifier: MIT
#
# Fills the program folder the installer ships: Pellucor.exe, the DLLs it and Qt's plugins import
# (found by reading their PE import tables), the plugins Qt loads at run time, qt.conf and Qt's
# own translations; everything stripped. Writes the installer's file lists beside it and the
# imports left to Windows itself (system-dlls.txt), which the Wine tests look for.
# Run with cmake -P and: EXE QT_DIR DEST SEARCH_DIRS OBJDUMP STRIP QT_CONF QM_FILES LISTS_DIR
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${DEST}")
file(MAKE_DIRECTORY "${DEST}/platforms" "${DEST}/styles")

# Loaded by name at run time, so no import table points at them.
set(plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll)
set(plugin_files "")
foreach(plugin IN LISTS plugins)
  file(COPY_FILE "${QT_DIR}/plugins/${plugin}" "${DEST}/${plugin}")
  list(APPEND plugin_files "${QT_DIR}/plugins/${plugin}")
endforeach()
get_filename_component(exe_name "${EXE}" NAME)
file(COPY_FILE "${EXE}" "${DEST}/${exe_name}")

# CMake looks imports up by their lower-case names, as Windows' file system would find them;
# here the names are case-sensitive, so the search folders are seen through lower-case links.
set(lower "${LISTS_DIR}/lower-case")
file(REMOVE_RECURSE "${lower}")
file(MAKE_DIRECTORY "${lower}")
foreach(dir IN LISTS SEARCH_DIRS)
  file(GLOB dlls "${dir}/*.dll" "${dir}/*.DLL")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" lower_name)
    if(NOT EXISTS "${lower}/${lower_name}")
      file(CREATE_LINK "${dll}" "${lower}/${lower_name}" SYMBOLIC)
    endif()
  endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM "windows+pe")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL "objdump")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES "${EXE}"
  MODULES ${plugin_files}
  DIRECTORIES "${lower}"
  RESOLVED_DEPENDENCIES_VAR found
  UNRESOLVED_DEPENDENCIES_VAR unresolved
  CONFLICTING_DEPENDENCIES_PREFIX conflicting
  # API sets are names the loader maps, never files.
  PRE_EXCLUDE_REGEXES "^[Aa][Pp][Ii]-[Mm][Ss]-.*" "^[Ee][Xx][Tt]-[Mm][Ss]-.*")
if(conflicting_FILENAMES)
  message(FATAL_ERROR "DLLs found in more than one place: ${conflicting_FILENAMES}")
endif()
foreach(dll IN LISTS found)
  # Shipped under the name the link points to.
  file(READ_SYMLINK "${dll}" original)
  get_filename_component(name "${original}" NAME)
  file(COPY_FILE "${original}" "${DEST}/${name}")
endforeach()
file(REMOVE_RECURSE "${lower}")
list(TRANSFORM unresolved TOLOWER)
list(SORT unresolved)
list(JOIN unresolved "\n" system_dlls)
file(WRITE "${LISTS_DIR}/system-dlls.txt" "${system_dlls}\n")

foreach(qm IN LISTS QM_FILES)
  file(MAKE_DIRECTORY "${DEST}/translations")
  get_filename_component(name "${qm}" NAME)
  file(COPY_FILE "${qm}" "${DEST}/translations/${name}")
endforeach()
file(COPY_FILE "${QT_CONF}" "${DEST}/qt.conf")

# Only symbols and debug sections go; the import and export tables stay.
file(GLOB_RECURSE binaries "${DEST}/*.exe" "${DEST}/*.dll")
foreach(binary IN LISTS binaries)
  execute_process(COMMAND "${STRIP}" --strip-unneeded "${binary}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The installer's lists: every file to put in place, and the same to remove, deepest first.
file(GLOB_RECURSE shipped RELATIVE "${DEST}" "${DEST}/*")
list(SORT shipped)
set(install_lines "")
set(uninstall_lines "")
set(folders "")
set(last_folder "-")
foreach(file IN LISTS shipped)
  get_filename_component(folder "${file}" DIRECTORY)
  string(REPLACE "/" "\\" windows_file "${file}")
  string(REPLACE "/" "\\" windows_folder "${folder}")
  if(NOT folder STREQUAL last_folder)
    if(folder STREQUAL "")
      string(APPEND install_lines "SetOutPath \"$INSTDIR\"\n")
    else()
      string(APPEND install_lines "SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
    endif()
    set(last_folder "${folder}")
  endif()
  string(APPEND install_lines "File \"${DEST}/${file}\"\n")
  string(APPEND uninstall_lines "Delete \"$INSTDIR\\${windows_file}\"\n")
  if(NOT folder STREQUAL "")
    list(APPEND folders "${windows_folder}")
  endif()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(APPEND uninstall_lines "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE "${LISTS_DIR}/install-files.nsh" "${install_lines}")
file(WRITE "${LISTS_DIR}/uninstall-files.nsh" "${uninstall_lines}")
set(bytes 0)
foreach(file IN LISTS shipped)
  file(SIZE "${DEST}/${file}" size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
file(WRITE "${LISTS_DIR}/deployed.nsh" "!define INSTALLED_KB ${kilobytes}\n")
list(LENGTH shipped count)
message(STATUS "Program folder ${DEST}: ${count} files, ${kilobytes} KiB")
