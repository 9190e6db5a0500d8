# The controls' Debian packages, beside the application's: included by packaging/ before CPack.
# The application does not link the controls (its window places no ProgressBar), so its
# package needs none of them.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL application controls_runtime controls_development controls_designer)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# dpkg-shlibdeps finds the plugin's library in the build tree; the package dependency on it
# comes from the component dependency below, with the exact version.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/lib)

set(CPACK_DEBIAN_APPLICATION_PACKAGE_NAME ${CPACK_PACKAGE_NAME})

set(CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_NAME libpellucor-controls${PELLUCOR_CONTROLS_SOVERSION})
set(CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_CONTROLS_RUNTIME_PACKAGE_DEPENDS "")
set(CPACK_COMPONENT_CONTROLS_RUNTIME_DESCRIPTION
    "Pellucor's Qt widgets: a self-drawn progress bar with persisted properties (runtime library)")

set(CPACK_DEBIAN_CONTROLS_DEVELOPMENT_PACKAGE_NAME libpellucor-controls-dev)
set(CPACK_DEBIAN_CONTROLS_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_CONTROLS_DEVELOPMENT_DEPENDS controls_runtime)
# The headers include Qt Widgets' and the CMake package finds Qt 6.
set(CPACK_DEBIAN_CONTROLS_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4)")
set(CPACK_COMPONENT_CONTROLS_DEVELOPMENT_DESCRIPTION
    "Pellucor's Qt widgets: headers and the PellucorControls CMake package")

set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_NAME pellucor-controls-designer-plugin)
set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_CONTROLS_DESIGNER_DEPENDS controls_runtime)
set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_DEPENDS "")
set(CPACK_DEBIAN_CONTROLS_DESIGNER_PACKAGE_ENHANCES "designer-qt6")
set(CPACK_COMPONENT_CONTROLS_DESIGNER_DESCRIPTION
    "Pellucor's Qt widgets: Qt Designer plugin placing the progress bar on forms")

if(NOT PELLUCOR_DESIGNER_PLUGIN)
  list(REMOVE_ITEM CPACK_COMPONENTS_ALL controls_designer)
endif()
