# SPDX-License-Identifier: GPL-3.0-or-later
# What a distribution's package takes from the build besides the programs: the manual pages
# and the AppStream metainfo, both dated with the release. The Debian package itself is
# built by debian/rules (tools/package.sh); "cmake --install" places every file it holds.
include(GNUInstallDirs)

# The release's date. dpkg-buildpackage hands every build SOURCE_DATE_EPOCH, the time of
# debian/changelog's newest entry; a build without it reads the same entry, so two builds
# of one release date their files alike whenever and wherever they run.
function(qmr_release_date out_day out_month)
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
  if(epoch STREQUAL "")
    execute_process(
      COMMAND dpkg-parsechangelog -l ${CMAKE_SOURCE_DIR}/debian/changelog -S Timestamp
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    message(WARNING "no SOURCE_DATE_EPOCH and no dpkg-parsechangelog (dpkg-dev): "
                    "the manual pages and the metainfo carry today's date")
    string(TIMESTAMP epoch "%s" UTC)
  endif()
  # string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set; the caller's is kept.
  set(callers "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  string(TIMESTAMP day "%Y-%m-%d" UTC)
  string(TIMESTAMP month "%B %Y" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${callers}")
  set(${out_day} ${day} PARENT_SCOPE)
  set(${out_month} ${month} PARENT_SCOPE)
endfunction()

qmr_release_date(QMR_RELEASE_DAY QMR_RELEASE_MONTH)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/debian/changelog)

# Every manual page in desktop/, with the date of its ".TH" line set to the release's month.
file(GLOB QMR_MAN_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/desktop/*.1)
set(QMR_MAN_DIR ${CMAKE_BINARY_DIR}/desktop/man)
file(REMOVE_RECURSE ${QMR_MAN_DIR})
foreach(page ${QMR_MAN_PAGES})
  get_filename_component(name ${page} NAME)
  file(READ ${page} text)
  # .TH TITLE SECTION DATE ...: the third field, quoted or one word.
  string(REGEX REPLACE "(^|\n)(\\.TH +[^ \n]+ +[^ \n]+ +)(\"[^\"\n]*\"|[^ \n]+)"
         "\\1\\2\"${QMR_RELEASE_MONTH}\"" text "${text}")
  file(WRITE ${QMR_MAN_DIR}/${name} "${text}")
  install(FILES ${QMR_MAN_DIR}/${name} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The AppStream metainfo: software centres list the program from it. Its id keeps the
# project's domain (a placeholder, as is the maintainer's address) and names the menu entry.
set(QMR_APPSTREAM_ID org.example.qmr417)
set(QMR_SCREENSHOT_URL "${PROJECT_HOMEPAGE_URL}/docs" CACHE STRING
    "Where the metainfo's screenshots (the README's images in docs/) are published")
configure_file(${CMAKE_SOURCE_DIR}/desktop/qmr417.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${QMR_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${QMR_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
