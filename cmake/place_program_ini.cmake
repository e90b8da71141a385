# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a default "Program.ini" beside the program unless one is already there, so a
# fresh build starts like an installed copy and a user's own settings are never replaced.
if(NOT EXISTS "${TARGET_DIR}/Program.ini")
  file(MAKE_DIRECTORY "${TARGET_DIR}")
  file(WRITE "${TARGET_DIR}/Program.ini" "[Setup]\r\nCOM=COM1\r\nModel=QMR-417\r\nVersion=${VERSION}\r\n")
endif()
