# SPDX-License-Identifier: GPL-3.0-or-later
# Every text marked for translation has its finished translation: lupdate brings a copy of
# the .ts file up to the code's texts, and no message of the copy may be left unfinished.
# The .ts in the repository stays as it is; its new texts are the translator's to add.
#   cmake -DLUPDATE=... -DTS_FILE=... -DSOURCE_DIR=... -DSOURCES_LIST=... -DWORK_DIR=... -P check_translations.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(ts_name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${ts_name})
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-obsolete -I ${SOURCE_DIR} @${SOURCES_LIST} -ts ${copy}
  RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result}): ${errors}")
endif()

file(READ ${copy} ts)
string(REGEX MATCHALL "<message[^>]*>[ \t\r\n]*<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\"" unfinished "${ts}")
list(LENGTH unfinished count)
string(REGEX MATCHALL "<message[ >]" messages "${ts}")
list(LENGTH messages total)
if(count GREATER 0)
  set(listed "")
  foreach(entry ${unfinished})
    string(REGEX REPLACE ".*<source>([^<]*)</source>.*" "\\1" text "${entry}")
    string(APPEND listed "\n  ${text}")
  endforeach()
  message(FATAL_ERROR "${ts_name}: ${count} of ${total} texts have no finished translation "
                      "(translate them in ${ts_name}, see README \"Adding a language\"):${listed}")
endif()
message(STATUS "${ts_name}: all ${total} texts translated")
