# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a Debian package of the programs: its dependencies, its files as
# debian/qmr417.install names them, and the packaged command-line tool at work.
#
#   -DDEB=file.deb      the package tools/package.sh built with dpkg-buildpackage
#   -DBUILD_DIR=dir     otherwise: a package made here from that build folder in seconds, as
#                       debhelper makes it: "cmake --install" into a staging folder, the files
#                       debian/qmr417.install names (each must be there, and nothing else
#                       may be), dependencies from dpkg-shlibdeps, control from debian/control
#
# SOURCE_DIR is the source tree, WORK_DIR a scratch folder, VERSION the project's version.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run_or_fail what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                  WORKING_DIRECTORY ${SOURCE_DIR})
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}): ${err}${out}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

# The paths debian/qmr417.install names, globs allowed.
file(STRINGS ${SOURCE_DIR}/debian/qmr417.install install_lines REGEX "^[^#]")

function(make_quick_package deb)
  set(staged ${WORK_DIR}/tmp)
  set(root ${WORK_DIR}/package)
  run_or_fail("cmake --install" ${CMAKE_COMMAND} -E env DESTDIR=${staged}
              ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
  file(GLOB_RECURSE placed RELATIVE ${staged} ${staged}/*)
  foreach(line ${install_lines})
    file(GLOB matched RELATIVE ${staged} ${staged}/${line})
    if(NOT matched)
      message(FATAL_ERROR "debian/qmr417.install names ${line}, which cmake --install does not place")
    endif()
    foreach(file ${matched})
      get_filename_component(folder ${root}/${file} DIRECTORY)
      file(COPY ${staged}/${file} DESTINATION ${folder})
      list(FILTER placed EXCLUDE REGEX "^${file}(/|$)")  # a folder takes what it holds
    endforeach()
  endforeach()
  if(placed)
    message(FATAL_ERROR "cmake --install places files debian/qmr417.install leaves out "
                        "(the package build would stop at dh_missing): ${placed}")
  endif()
  run_or_fail("dpkg-shlibdeps" dpkg-shlibdeps -T${WORK_DIR}/substvars
              ${root}/usr/bin/qmr417 ${root}/usr/bin/qmr417-cli)
  file(MAKE_DIRECTORY ${root}/DEBIAN)
  run_or_fail("dpkg-gencontrol" dpkg-gencontrol -pqmr417 -P${root} -T${WORK_DIR}/substvars
              -f${WORK_DIR}/files -cdebian/control -ldebian/changelog)
  run_or_fail("dpkg-deb --build" dpkg-deb --root-owner-group -Zgzip -z1 --build ${root} ${deb})
endfunction()

set(real_package TRUE)
if(NOT DEB)
  set(real_package FALSE)
  set(DEB ${WORK_DIR}/qmr417_${VERSION}_quick.deb)
  make_quick_package(${DEB})
endif()

run_or_fail("dpkg-deb -f" dpkg-deb -f ${DEB} Version Depends)
if(NOT output MATCHES "^Version: ${VERSION}\n")
  message(FATAL_ERROR "the package's version is not ${VERSION}:\n${output}")
endif()
# The Qt libraries come from the binaries (shlibdeps), each with the version it needs; the
# platform plugin is named by hand.
foreach(library libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 libqt6multimedia6)
  if(NOT output MATCHES "${library} \\(>= 6\\.")
    message(FATAL_ERROR "Depends lacks ${library} with a version: ${output}")
  endif()
endforeach()
if(NOT output MATCHES "qt6-qpa-plugins")
  message(FATAL_ERROR "Depends lacks qt6-qpa-plugins: ${output}")
endif()

set(unpacked ${WORK_DIR}/unpacked)
run_or_fail("dpkg-deb -x" dpkg-deb -x ${DEB} ${unpacked})
set(expected ${install_lines})
if(real_package)
  list(APPEND expected usr/share/doc/qmr417/copyright usr/share/doc/qmr417/changelog.gz)
endif()
foreach(line ${expected})
  # The real package holds the manual pages compressed (dh_compress).
  file(GLOB found ${unpacked}/${line} ${unpacked}/${line}.gz)
  if(NOT found)
    message(FATAL_ERROR "not in the package: ${line}")
  endif()
endforeach()

# The unpacked tool runs from its own folder and keeps its data in the (temporary) user's
# folder, like an installed copy.
run_or_fail("the unpacked qmr417-cli report"
  ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK_DIR}/user
  ${unpacked}/usr/bin/qmr417-cli report ${unpacked}/usr/share/qmr417/Default.dat)
foreach(expected "[Model]\nModel: QMR-417\nRX(MHz): 136-174" "[Function Setup]" "[Communication Note]")
  string(FIND "${output}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the report of the packaged Default.dat lacks \"${expected}\":\n${output}")
  endif()
endforeach()
