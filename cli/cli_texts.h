// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What qmr417-cli prints, in one place.

#include <QString>

namespace cli::text {

inline const QString kProgramName = QStringLiteral("qmr417-cli");
inline const QString kDescription = QStringLiteral(
    "Reads and writes QMR-417 radios from the command line.\n\n"
    "Commands:\n"
    "  ports                          list the serial ports and the COMn name of each\n"
    "  read  --port NAME --out FILE   read the radio into a parameter file (.dat)\n"
    "  write --port NAME --in FILE [--verify] [--read-first]\n"
    "                                 write a parameter file into the radio (and read it back;\n"
    "                                 keep what it held before, so the write can be undone)\n"
    "  report FILE.dat [--json]       print the configuration in a parameter file\n"
    "  diff A.dat B.dat               print the fields (and other bytes) that differ between\n"
    "                                 two files\n"
    "                                 (exit 0 equal, 1 they differ, 2 a file or usage error)\n"
    "  diff --port NAME FILE.dat      the same between a file and the radio (read into memory)\n"
    "  check FILE.dat [FILE.dat...]   print what the editors will change in a configuration and\n"
    "                                 what does not fit together, in it and between several\n"
    "                                 radios (exit 0 none, 1 findings, 2 file)\n"
    "  export-csv FILE.dat OUT.csv    write the channel list as CSV\n"
    "  import-csv FILE.dat IN.csv [--out NEW.dat] [--append]\n"
    "                                 read channels from CSV into a parameter file\n"
    "  apply CONFIG.json BASE.dat --out NEW.dat [--strict] [--allow-band-change]\n"
    "                                 write BASE.dat (- for Default.dat) with the values of a\n"
    "                                 configuration document in the layout of report --json\n"
    "  fleet --in MASTER.dat --roster ROSTER.csv --port NAME [--verify] [--read-first]\n"
    "        [--log LOG.csv] [--yes] [--resume] [--parallel]\n"
    "                                 write MASTER.dat into radio after radio, each with its\n"
    "                                 roster row's values (its own self ID), logging each\n"
    "  audition FILE.dat (--dtmf Mn | --dtmf-code CODE | --two-tone N | --five-tone N |\n"
    "        --five-tone-code CODE) --out SOUND.wav\n"
    "                                 write what the radio sends for one entry as a WAV file\n"
    "  print FILE.dat --out FILE.pdf  write the printout of a parameter file as a PDF\n\n"
    "NAME is COMn, a device path such as /dev/ttyUSB0, or SIMULATOR (a built-in radio).\n"
    "\"%1 COMMAND --help\" shows the options of one command; all of them follow.\n"
    "\"%1 --version\" prints the version.\n\n"
    "Exit codes: 0 done, 1 usage, 2 file, 3 port, 4 no answer, 5 password,\n"
    "6 radio killed or stunned, 7 interrupted, 8 verify failed, 9 CSV rows skipped,\n"
    "10 errors in a configuration document or a fleet roster (nothing written).");
// The usage line of each command's help.
inline const QString kUsage = QStringLiteral("Usage: %1 %2");
inline const QString kTopUsage = QStringLiteral("COMMAND [options]");
inline const QString kPortsUsage = QStringLiteral("ports");
inline const QString kReadUsage = QStringLiteral("read --port NAME --out FILE [options]");
inline const QString kWriteUsage = QStringLiteral("write --port NAME --in FILE [options]");
inline const QString kReportUsage = QStringLiteral("report FILE.dat [--json]");
inline const QString kDiffUsage = QStringLiteral("diff A.dat B.dat | --port NAME FILE.dat [options]");
inline const QString kCheckUsage = QStringLiteral("check FILE.dat [FILE.dat...]");
inline const QString kOtherByteDiffers = QStringLiteral("1 other byte differs: %1");
inline const QString kOtherBytesDiffer = QStringLiteral("%1 other bytes differ: %2");
inline const QString kDiffPortTakesOneFile = QStringLiteral("diff --port compares the radio with one file");
inline const QString kUnknownCommand = QStringLiteral("unknown command \"%1\"; try --help");
inline const QString kUnexpectedArgument = QStringLiteral("unexpected argument \"%1\"; try --help");
inline const QString kMissingOption = QStringLiteral("%1 needs --%2");
inline const QString kBadPolicy = QStringLiteral("--on-failure takes retry or cancel");
inline const QString kBadRetries = QStringLiteral("--retries takes a number from 0 to 100");

inline const QString kPortFailed = QStringLiteral("cannot open port %1 (%2)");
inline const QString kPortFailedBecause = QStringLiteral("cannot open port %1 (%2: %3)");
inline const QString kNoAnswer = QStringLiteral("no answer from the radio on %1; check the cable and the radio (%2)");
inline const QString kGaveUp = QStringLiteral("gave up after %1 retries");
inline const QString kNoRetries = QStringLiteral("use --on-failure retry to try again");
inline const QString kPasswordMissing = QStringLiteral("Password error: the radio has a program password; give it with --password");
// What a failed write's line (the write runner's words) gets from the command line.
inline const QString kPasswordHint = QStringLiteral("; give it with --password");
inline const QString kReviveHint = QStringLiteral("; give the revive code with --revive-code");
inline const QString kKeepStateHint = QStringLiteral(". Give --keep-radio-state to write it as it is");
inline const QString kPasswordWrong = QStringLiteral("Password error: the password given with --password is wrong");
inline const QString kRadioLocked = QStringLiteral("the radio reports \"%1\"; give the revive code with --revive-code");
inline const QString kReviveWrong = QStringLiteral("the radio reports \"%1\" and the revive code is wrong");
inline const QString kInterrupted = QStringLiteral("interrupted after %1 of %2 blocks; nothing was saved");
inline const QString kInterruptedWrite = QStringLiteral("interrupted after %1 of %2 blocks");
inline const QString kPartialWrite = QStringLiteral("%1; the radio holds a partial write (blocks up to 0x%2 are new)");
inline const QString kStateKept = QStringLiteral(
    "the file marks the radio as %1 (state byte 0x0227 = %2) and the radio reports itself normal; nothing was "
    "written. Give --keep-radio-state to write it as it is");
inline const QString kBusy = QStringLiteral("another transfer is running");
inline const QString kVerified = QStringLiteral("verified: the radio holds what was written (0x0100-0x3FFF)");
inline const QString kVerifyDifference = QStringLiteral("%1: wrote %2, the radio holds %3");

inline const QString kCannotRead = QStringLiteral("cannot read %1: %2");
inline const QString kCannotSave = QStringLiteral("cannot save %1: %2");
inline const QString kNoFolder = QStringLiteral("cannot save %1: the folder does not exist");
inline const QString kIsFolder = QStringLiteral("cannot save %1: it is a folder");
inline const QString kNotAParameterFile =
    QStringLiteral("cannot save %1: it exists and is not a parameter file (%2 bytes, not 20480); it is not replaced");
inline const QString kTextOverParameterFile =
    QStringLiteral("cannot save %1: a \".dat\" name is a parameter file's; a text file never replaces one");
inline const QString kSaved = QStringLiteral("saved %1");
inline const QString kBackupSaved = QStringLiteral("backup kept in %1");
inline const QString kBackupFailed = QStringLiteral("warning: the transfer went through, but its backup could not be saved: %1");

inline const QString kPortsHeader = QStringLiteral("NAME\tDEVICE\tSTATE\tDESCRIPTION");
inline const QString kSimulatorDescription = QStringLiteral("built-in simulated radio");

} // namespace cli::text
