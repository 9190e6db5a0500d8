# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Read by cpack for each generator. The Debian descriptions carry their own synopsis, which
# CPack would otherwise push down under the project's summary.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
endif()
