# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into PREFIX and checks the installed copy.
file(REMOVE_RECURSE ${PREFIX})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET ERROR_VARIABLE said)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${said}")
endif()

foreach(file
    bin/qmr417 bin/qmr417-cli
    share/qmr417/Default.dat share/qmr417/Program.ini
    share/applications/qmr417.desktop
    share/icons/hicolor/scalable/apps/qmr417.svg
    share/mime/packages/qmr417.xml)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(SIZE ${PREFIX}/share/qmr417/Default.dat size)
file(READ ${PREFIX}/share/qmr417/Program.ini ini)
if(NOT size EQUAL 20480 OR NOT ini MATCHES "Model=QMR-417")
  message(FATAL_ERROR "wrong defaults: Default.dat of ${size} bytes, Program.ini ${ini}")
endif()

# The menu entry starts the installed program with the installed icon and declares the
# file type the MIME file defines for ".dat".
file(READ ${PREFIX}/share/applications/qmr417.desktop desktop)
file(READ ${PREFIX}/share/mime/packages/qmr417.xml mime)
string(FIND "${mime}" "type=\"application/x-qmr417-parameters\">" type)
string(FIND "${mime}" "pattern=\"*.dat\"" glob)
if(type EQUAL -1 OR glob EQUAL -1)
  message(FATAL_ERROR "the MIME file does not declare application/x-qmr417-parameters for .dat")
endif()
foreach(line "Exec=qmr417 %f" "Icon=qmr417" "MimeType=application/x-qmr417-parameters;")
  string(FIND "${desktop}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the menu entry lacks ${line}")
  endif()
endforeach()

# An installed copy keeps Program.ini and its data in the user's folder, copied from
# share/qmr417 on first use; here a read of the built-in radio keeps its backup there.
set(user ${PREFIX}/user-data)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${user}
          ${PREFIX}/bin/qmr417-cli read --port SIMULATOR --out ${PREFIX}/read.dat
  RESULT_VARIABLE read ERROR_VARIABLE said)
if(NOT read EQUAL 0)
  message(FATAL_ERROR "the installed qmr417-cli could not read: ${said}")
endif()
foreach(file qmr417/Program.ini qmr417/Default.dat qmr417/DATA/backups)
  if(NOT EXISTS ${user}/${file})
    message(FATAL_ERROR "the installed copy did not set up ${file} in the user's folder: ${said}")
  endif()
endforeach()
if(EXISTS ${PREFIX}/bin/DATA)
  message(FATAL_ERROR "the installed copy wrote beside its executable")
endif()
