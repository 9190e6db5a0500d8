# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# The controls' Debian packages, beside the application's: included by packaging/ before CPack.
# The application does not link the controls (its window places no ProgressBar), so its
# package needs none of them.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL application controls_runtime controls_development controls_designer)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The library keeps its interface within a SONAME, so a program built against this version also
# runs with any later one (CPack would ask for exactly this one).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# dpkg-shlibdeps finds the plugin's library in the build tree; the package dependency on it
# comes from the component dependency below, with the exact version.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/lib)

set(CPACK_DEBIAN_APPLICATION_PACKAGE_NAME ${CPACK_PACKAGE_NAME})

set(CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_NAME libpellucor-controls${PELLUCOR_CONTROLS_SOVERSION})
set(CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_DEPENDS "")
set(CPACK_DEBIAN_CONTROLS_RUNTIME_DESCRIPTION "Pellucor's Qt widgets (runtime library)
This library holds ProgressBar, a self-drawn progress bar for Qt 6 Widgets
forms: a frame and a hatched bar, horizontal or vertical, with colours given
as OLE colour values (system colours taken from the palette). Its seven
properties are kept in a property store that forms save and load.

This package contains the shared library.")
# ldconfig runs from dpkg's trigger, which Debian's policy asks for: CPack would call it from
# generated postinst and postrm scripts unless the package names scripts of its own. The two
# names below are never created, so the package gets neither script, only the trigger.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/controls-runtime/triggers
  CONTENT "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_CONTROL_EXTRA
  ${CMAKE_CURRENT_BINARY_DIR}/controls-runtime/triggers
  ${CMAKE_CURRENT_BINARY_DIR}/controls-runtime/no-scripts/postinst
  ${CMAKE_CURRENT_BINARY_DIR}/controls-runtime/no-scripts/postrm)
pellucor_package_docs(${CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_NAME} controls_runtime)

set(CPACK_DEBIAN_CONTROLS_DEVELOPMENT_PACKAGE_NAME libpellucor-controls-dev)
set(CPACK_DEBIAN_CONTROLS_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_CONTROLS_DEVELOPMENT_DEPENDS controls_runtime)
# The headers include Qt Widgets' and the CMake package finds Qt 6.
set(CPACK_DEBIAN_CONTROLS_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4)")
set(CPACK_DEBIAN_CONTROLS_DEVELOPMENT_DESCRIPTION "Pellucor's Qt widgets (development files)
ProgressBar is a self-drawn progress bar for Qt 6 Widgets forms, with seven
properties kept in a property store that forms save and load.

This package contains the headers and the PellucorControls CMake package:
find_package(PellucorControls) gives the target Pellucor::Controls.")
pellucor_package_docs(${CPACK_DEBIAN_CONTROLS_DEVELOPMENT_PACKAGE_NAME} controls_development)

set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_NAME pellucor-controls-designer-plugin)
set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_CONTROLS_DESIGNER_DEPENDS controls_runtime)
set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_DEPENDS "")
set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_ENHANCES "designer-qt6")
set(CPACK_DEBIAN_CONTROLS_DESIGNER_DESCRIPTION "Qt Designer plugin for Pellucor's Qt widgets
ProgressBar is a self-drawn progress bar for Qt 6 Widgets forms, with seven
properties kept in a property store that forms save and load.

This package contains the Qt Designer plugin: it shows ProgressBar in the
widget box's Pellucor group and places it on forms, where its properties are
edited like those of Qt's own widgets.")

if(PELLUCOR_DESIGNER_PLUGIN)
  pellucor_package_docs(${CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_NAME} controls_designer)
else()
  list(REMOVE_ITEM CPACK_COMPONENTS_ALL controls_designer)
endif()
