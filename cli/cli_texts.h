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
    "  write --port NAME --in FILE    write a parameter file into the radio\n"
    "  report FILE [--json]           print the configuration in a parameter file\n"
    "  diff A B                       print the fields that differ between two files\n"
    "                                 (exit 0: equal, 1: they differ, 2: a file error)\n"
    "  export-csv FILE.dat OUT.csv    write the channel list as CSV\n"
    "  import-csv FILE.dat IN.csv [--out NEW.dat] [--append]\n"
    "                                 read channels from CSV into a parameter file\n\n"
    "NAME is COMn, a device path such as /dev/ttyUSB0, or SIMULATOR (a built-in radio).");
inline const QString kUnknownCommand = QStringLiteral("unknown command \"%1\"; try --help");
inline const QString kMissingOption = QStringLiteral("%1 needs --%2");
inline const QString kBadPolicy = QStringLiteral("--on-failure takes retry or cancel");
inline const QString kBadRetries = QStringLiteral("--retries takes a number from 0 to 100");

inline const QString kPortFailed = QStringLiteral("cannot open port %1 (%2)");
inline const QString kNoAnswer = QStringLiteral("no answer from the radio on %1; check the cable and the radio (%2)");
inline const QString kGaveUp = QStringLiteral("gave up after %1 retries");
inline const QString kNoRetries = QStringLiteral("use --on-failure retry to try again");
inline const QString kPasswordMissing = QStringLiteral("Password error: the radio has a program password; give it with --password");
inline const QString kPasswordWrong = QStringLiteral("Password error: the password given with --password is wrong");
inline const QString kRadioLocked = QStringLiteral("the radio reports \"%1\"; give the revive code with --revive-code");
inline const QString kReviveWrong = QStringLiteral("the radio reports \"%1\" and the revive code is wrong");
inline const QString kInterrupted = QStringLiteral("interrupted after %1 of %2 blocks; nothing was saved");
inline const QString kInterruptedWrite = QStringLiteral("interrupted after %1 of %2 blocks; the radio holds a partial write");
inline const QString kBusy = QStringLiteral("another transfer is running");

inline const QString kCannotRead = QStringLiteral("cannot read %1: %2");
inline const QString kCannotSave = QStringLiteral("cannot save %1: %2");
inline const QString kShortFile = QStringLiteral("%1 holds %2 bytes; a parameter file holds 20480, so it is not sent");
inline const QString kNoFolder = QStringLiteral("cannot save %1: the folder does not exist");
inline const QString kReportUsage = QStringLiteral("usage: report FILE [--json]");
inline const QString kDiffUsage = QStringLiteral("usage: diff A B");
inline const QString kSaved = QStringLiteral("saved %1");
inline const QString kBackupSaved = QStringLiteral("backup kept in %1");
inline const QString kBackupFailed = QStringLiteral("warning: the transfer went through, but its backup could not be saved: %1");

inline const QString kPortsHeader = QStringLiteral("NAME\tDEVICE\tSTATE\tDESCRIPTION");
inline const QString kSimulatorDescription = QStringLiteral("built-in simulated radio");

} // namespace cli::text
