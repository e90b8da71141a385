# Packs the build in BUILD_DIR into a .deb, unpacks it into WORK_DIR and checks the
# unpacked programs and files.
file(REMOVE_RECURSE ${WORK_DIR})
set(root ${WORK_DIR}/root)

function(run_or_fail what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}): ${err}${out}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

run_or_fail("cpack" ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/out)
file(GLOB deb ${WORK_DIR}/out/qmr417_${VERSION}_*.deb)
list(LENGTH deb found)
if(NOT found EQUAL 1)
  message(FATAL_ERROR "expected one qmr417_${VERSION}_*.deb, found: ${deb}")
endif()
run_or_fail("dpkg-deb -x" dpkg-deb -x ${deb} ${root})

# The Qt libraries come from the binaries (shlibdeps), each with the version it needs.
run_or_fail("dpkg-deb -f" dpkg-deb -f ${deb} Depends)
foreach(library libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6 libqt6multimedia6)
  if(NOT output MATCHES "${library} \\(>= 6\\.")
    message(FATAL_ERROR "Depends lacks ${library} with a version: ${output}")
  endif()
endforeach()

foreach(file
    usr/bin/qmr417 usr/bin/qmr417-cli
    usr/share/qmr417/Program.ini usr/share/man/man1/qmr417.1.gz
    usr/share/applications/qmr417.desktop
    usr/share/icons/hicolor/scalable/apps/qmr417.svg
    usr/share/mime/packages/qmr417.xml
    usr/share/doc/qmr417/copyright)
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "not in the package: ${file}")
  endif()
endforeach()

# The unpacked tool runs from its own folder and keeps its data in the (temporary) user's
# folder, like an installed copy.
run_or_fail("the unpacked qmr417-cli report"
  ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK_DIR}/user
  ${root}/usr/bin/qmr417-cli report ${root}/usr/share/qmr417/Default.dat)
foreach(expected "[Model]\nModel: QMR-417\nRX(MHz): 136-174" "[Function Setup]" "[Communication Note]")
  string(FIND "${output}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the report of the packaged Default.dat lacks \"${expected}\":\n${output}")
  endif()
endforeach()
run_or_fail("comparing the packaged Default.dat with the built one" ${CMAKE_COMMAND} -E compare_files
  ${root}/usr/share/qmr417/Default.dat ${BUILD_DIR}/bin/Default.dat)
