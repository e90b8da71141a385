# The Debian package: "cpack" in a build folder packs what "cmake --install" places
# (desktop/CMakeLists.txt) into qmr417_<version>_<arch>.deb. tools/package.sh makes it
# from a release build and checks it with lintian; the ctest labelled "package" unpacks it.
include(GNUInstallDirs)

set(QMR_DEBIAN_DIR ${CMAKE_SOURCE_DIR}/desktop/debian)
set(QMR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/qmr417)

# Every Debian package carries its copyright notice and its changelog; the manual pages
# and the changelog are compressed as Debian does it (gzip -9n: best compression, no name
# or time stamp in the header).
function(qmr_gzip source target)
  execute_process(COMMAND gzip -9 -n -c ${source} OUTPUT_FILE ${target} RESULT_VARIABLE gzipped)
  if(NOT gzipped EQUAL 0)
    message(FATAL_ERROR "could not compress ${source} with gzip")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

set(QMR_PACKED_DIR ${CMAKE_BINARY_DIR}/desktop/packed)
file(MAKE_DIRECTORY ${QMR_PACKED_DIR})
qmr_gzip(${QMR_DEBIAN_DIR}/changelog ${QMR_PACKED_DIR}/changelog.gz)
qmr_gzip(${CMAKE_SOURCE_DIR}/desktop/qmr417.1 ${QMR_PACKED_DIR}/qmr417.1.gz)
qmr_gzip(${CMAKE_SOURCE_DIR}/desktop/qmr417-cli.1 ${QMR_PACKED_DIR}/qmr417-cli.1.gz)
install(FILES ${QMR_DEBIAN_DIR}/copyright ${QMR_PACKED_DIR}/changelog.gz DESTINATION ${QMR_DOC_DIR})
install(FILES ${QMR_PACKED_DIR}/qmr417.1.gz ${QMR_PACKED_DIR}/qmr417-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package alone carries lintian's overrides: "cmake --install" leaves them out.
install(FILES ${QMR_DEBIAN_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME qmr417
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qmr417)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "QMR-417 programming software developers <qmr417@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for QMR-417 two-way FM radios")
set(CPACK_PACKAGE_DESCRIPTION
"Reads the configuration memory of a QMR-417 radio through its serial
programming cable, edits the channels, the selective calling and the
radio's settings in nine editor windows, keeps configurations in parameter
files (.dat) and writes them back into the radio. Every configuration read
from or written into a radio is kept as a backup file.

The package holds the desktop program qmr417, with its menu entry and the
file type of the parameter files, and the command-line tool qmr417-cli,
which reads, writes, reports, compares and checks parameter files in
scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# The Qt 6 libraries the programs link come from dpkg-shlibdeps, which reads the binaries.
# The platform plugin that lets the program open a window is loaded at run time, so no
# binary names it and shlibdeps cannot find it: it is the one dependency written here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

set(CPACK_STRIP_FILES ON)
# Directories as Debian wants them whatever the umask of the person packaging.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# No maintainer scripts: on Debian the menu entry, the ".dat" file type and the icon reach
# the desktop database, the MIME database and the hicolor icon cache through the triggers
# of desktop-file-utils, shared-mime-info and hicolor-icon-theme, which dpkg runs whenever
# a package adds or removes files in their folders, at install and at removal alike. A
# script that ran the same tools again would only do the work twice.

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Everything "cmake --install" places, and the package's own files.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/" "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")

include(CPack)
