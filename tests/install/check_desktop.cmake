# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's view of the program: the menu entry and the AppStream metainfo pass their
# validators, and the ".dat" file type claims parameter files only, as the desktop's MIME
# database (shared-mime-info, read here through GIO) decides it:
#
#   DESKTOP, METAINFO, MIME   the menu entry, the built metainfo, the MIME definition
#   PARAMETER_FILE            a parameter file (the built Default.dat)
#   WORK_DIR                  a scratch folder
file(REMOVE_RECURSE ${WORK_DIR})

function(run_or_fail what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}): ${err}${out}\n(tools/install-deps.sh installs "
                        "desktop-file-utils, appstream, shared-mime-info and libglib2.0-bin)")
  endif()
  set(output "${out}${err}" PARENT_SCOPE)
endfunction()

run_or_fail("desktop-file-validate" desktop-file-validate ${DESKTOP})
if(output MATCHES "warning|error")
  message(FATAL_ERROR "desktop-file-validate ${DESKTOP}:\n${output}")
endif()
run_or_fail("appstreamcli validate" appstreamcli validate --no-net ${METAINFO})

# A MIME database in WORK_DIR/NAME made as the system makes its own, from Debian's
# definitions and the PACKAGES given.
function(mime_database name)
  set(packages ${WORK_DIR}/${name}/mime/packages)
  file(MAKE_DIRECTORY ${packages})
  file(COPY /usr/share/mime/packages/freedesktop.org.xml ${ARGN} DESTINATION ${packages})
  run_or_fail("update-mime-database" update-mime-database ${WORK_DIR}/${name}/mime)
endfunction()

# The type the database NAME gives FILE, from its name and its content.
function(expect_type name file expected)
  run_or_fail("gio info" ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK_DIR}/${name}
              XDG_DATA_DIRS=${WORK_DIR}/${name} gio info -a standard::content-type ${file})
  if(NOT output MATCHES "standard::content-type: ${expected}\n")
    message(FATAL_ERROR "${file} should be ${expected}:\n${output}")
  endif()
endfunction()

set(files ${WORK_DIR}/files)
file(MAKE_DIRECTORY ${files})
file(COPY ${PARAMETER_FILE} DESTINATION ${files})
file(WRITE ${files}/notes.dat "hello\n")
file(WRITE ${files}/list.dat "Name;Frequency\nBASE;145.50000\n")

# Another package that names its files ".dat" at the usual weight.
file(WRITE ${WORK_DIR}/other.xml [=[<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-other-data"><glob pattern="*.dat"/></mime-type>
</mime-info>
]=])

mime_database(ours ${MIME})
get_filename_component(parameter_file_name ${PARAMETER_FILE} NAME)
expect_type(ours ${files}/${parameter_file_name} "application/x-qmr417-parameters")
expect_type(ours ${files}/notes.dat "text/plain")
expect_type(ours ${files}/list.dat "text/plain")

mime_database(ours_and_other ${MIME} ${WORK_DIR}/other.xml)
expect_type(ours_and_other ${files}/${parameter_file_name} "application/x-other-data")
