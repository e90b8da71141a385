# SPDX-License-Identifier: GPL-3.0-or-later
# The version and the home page are named in CMake's project() only; the Debian package
# names them again, and must name the same: debian/changelog's newest entry (the package's
# version, without an epoch or a Debian revision) and the Homepage of debian/control.
file(STRINGS ${SOURCE_DIR}/debian/changelog first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^qmr417 \\(([0-9]+:)?([^ )-]+)(-[^ )]+)?\\) ")
  message(FATAL_ERROR "debian/changelog does not start with an entry of qmr417: ${first_line}")
endif()
if(NOT CMAKE_MATCH_2 STREQUAL VERSION)
  message(FATAL_ERROR "debian/changelog's newest entry is ${CMAKE_MATCH_2}, the project's "
                      "version ${VERSION}: add an entry for ${VERSION} (dch -v ${VERSION})")
endif()

file(STRINGS ${SOURCE_DIR}/debian/control homepage REGEX "^Homepage:")
if(NOT homepage STREQUAL "Homepage: ${HOMEPAGE}")
  message(FATAL_ERROR "debian/control has \"${homepage}\", the project's home page is ${HOMEPAGE}")
endif()
