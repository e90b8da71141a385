// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every fixed text the main window, its bars and the file commands show, quoted exactly as
// the program has always shown them (the odd spellings included: users and dealers know
// them). Dialogs keep their own texts in their headers.

#include <QString>

namespace shell::texts {

// Menus and their items, in menu order.
inline const QString kMenuFile = QStringLiteral("&File");
inline const QString kNew = QStringLiteral("&New(&N)");
inline const QString kOpen = QStringLiteral("&Open(&O)...");
inline const QString kSave = QStringLiteral("&Save(&S)");
inline const QString kSaveAs = QStringLiteral("Save &As(&A)...");
inline const QString kExit = QStringLiteral("E&xit(&X)");

inline const QString kMenuModel = QStringLiteral("&Model");
inline const QString kModel = QStringLiteral("Model");

inline const QString kMenuEdit = QStringLiteral("&Edit");  // its items come from the editor table

inline const QString kMenuSetting = QStringLiteral("&Setting");
inline const QString kPort = QStringLiteral("Port");

inline const QString kMenuProgram = QStringLiteral("&Program");
inline const QString kReadFromRadio = QStringLiteral("Read From Radio");
inline const QString kWriteToRadio = QStringLiteral("Write To Radio");
inline const QString kPassword = QStringLiteral("Password");
inline const QString kCompareWithRadio = QStringLiteral("Compare With Radio...");
inline const QString kCheckConfiguration = QStringLiteral("Check Configuration");
inline const QString kFleetWrite = QStringLiteral("Fleet Write...");

inline const QString kMenuView = QStringLiteral("&View");
inline const QString kToolbar = QStringLiteral("&Toolbar(&T)");
inline const QString kStatusBar = QStringLiteral("&Status Bar(&S)");
inline const QString kTreeView = QStringLiteral("Tree View");

inline const QString kMenuWindow = QStringLiteral("&Window");
inline const QString kCascade = QStringLiteral("Cascade(&C)");
inline const QString kTile = QStringLiteral("Tile(&T)");
inline const QString kArrange = QStringLiteral("Arrange(&A)");
// Keyboard: Ctrl+Tab and Ctrl+Shift+Tab between the editors, F6 between the Tree Bar and the
// editor in front (an action of the window, not in a menu).
inline const QString kNextWindow = QStringLiteral("&Next Window");
inline const QString kPreviousWindow = QStringLiteral("Pre&vious Window");
inline const QString kSwitchPane = QStringLiteral("Switch Pane");

inline const QString kMenuHelp = QStringLiteral("&Help");
inline const QString kHelpTopics = QStringLiteral("Help Topics");
inline const QString kAbout = QStringLiteral("About...");

// Print: the toolbar button (its tip reads "Print"), Ctrl+P and the File menu's item.
inline const QString kPrint = QStringLiteral("&Print...");

// Status-line prompts.
inline const QString kPortPrompt = QStringLiteral("Communication port");
inline const QString kWritePrompt = QStringLiteral("Write Data To Radio");
inline const QString kReadPrompt = QStringLiteral("Read Data From Radio");

// Bars.
inline const QString kToolbarTitle = QStringLiteral("Toolbar");
inline const QString kTreeBarTitle = QStringLiteral("Tree Bar");
inline const QString kCapsIndicator = QStringLiteral("CAP");
inline const QString kNumIndicator = QStringLiteral("NUM");
inline const QString kScrollIndicator = QStringLiteral("SCRL");

// File commands.
inline const QString kNewQuestion = QStringLiteral("All data will be cleared");
inline const QString kNewCaption = QStringLiteral("Warnning");
inline const QString kFileFilter = QStringLiteral("Param Files (*.dat)");
inline const QString kModifiedMarker = QStringLiteral("*");
inline const QString kSaveChangesQuestion = QStringLiteral("Save changes to %1?");
inline const QString kOpenBackupFolder = QStringLiteral("Open Backup Folder");
inline const QString kBackupFolderNotOpened =
    QStringLiteral("No file manager could open the backup folder. The backups are kept in:\n\n%1");
inline const QString kBackupFailed = QStringLiteral("The data was transferred, but its backup could not be saved: %1");
// A write that failed part-way after "Read the radio first": the runner's line, then the way back.
inline const QString kPartialWriteRestore = QStringLiteral(
    "The write did not complete: %1.\n\n\"Restore\" writes the radio's earlier contents back into it.");
inline const QString kRestore = QStringLiteral("Restore");
inline const QString kRecentFileMissing = QStringLiteral("%1 no longer exists; it was removed from the recent files.");
inline const QString kRecentFileEntry = QStringLiteral("&%1 %2");
inline const QString kExportCsv = QStringLiteral("Export Channels (CSV)...");
inline const QString kImportCsv = QStringLiteral("Import Channels (CSV)...");
inline const QString kCsvFilter = QStringLiteral("CSV Files (*.csv)");
inline const QString kCsvSuffix = QStringLiteral("csv");
inline const QString kCsvProposedName = QStringLiteral("channels.csv");
inline const QString kExportCsvTitle = QStringLiteral("Export Channels (CSV)");
inline const QString kImportCsvTitle = QStringLiteral("Import Channels (CSV)");
// An export written over a parameter file would lose the configuration in it.
inline const QString kExportNotOverParameterFile =
    QStringLiteral("%1 is a parameter file name (\".dat\"); an export never replaces a parameter file.\n\n"
                   "Choose a name ending in \".%2\".");
inline const QString kCsvCannotRead = QStringLiteral("Cannot read %1: %2");
inline const QString kCsvCannotSave = QStringLiteral("Cannot save %1: %2");
inline const QString kExportJson = QStringLiteral("Export Configuration (JSON)...");
inline const QString kImportJson = QStringLiteral("Import Configuration (JSON)...");
inline const QString kJsonFilter = QStringLiteral("JSON Files (*.json)");
inline const QString kJsonSuffix = QStringLiteral("json");
inline const QString kExportJsonTitle = QStringLiteral("Export Configuration (JSON)");
inline const QString kImportJsonTitle = QStringLiteral("Import Configuration (JSON)");
inline const QString kJsonCannotRead = QStringLiteral("Cannot read %1: %2");
inline const QString kJsonCannotSave = QStringLiteral("Cannot save %1: %2");

// After Open and Read From Radio: what the editors will change when they store.
inline const QString kLoadCorrections =
    QStringLiteral("The editors will change what %1 holds when they store it (Save writes it so):\n\n%2\n\n"
                   "Check Configuration lists these again.");
inline const QString kTheRadio = QStringLiteral("the radio");
inline const QString kMoreCorrections = QStringLiteral("... and %1 more");

// Undo steps that are no menu command of their own: what the user typed or chose in an
// editor, and a CSV import.
inline const QString kEditStep = QStringLiteral("Edit");
inline const QString kImportStep = QStringLiteral("Import Channels");

// Child frame bottom bar.
inline const QString kClose = QStringLiteral("Close");
inline const QString kHelp = QStringLiteral("Help");

// Command line.
// qmr417 --version.
inline const QString kVersionLine = QStringLiteral("qmr417 %1");
inline const QString kDisplayUnreachable = QStringLiteral(
    "qmr417: cannot open the display \"%1\"; check that it runs and lets this user in, or run it "
    "headless as \"xvfb-run ./qmr417\" or \"QT_QPA_PLATFORM=offscreen ./qmr417\".");
inline const QString kNoDisplay = QStringLiteral(
    "qmr417: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); run it inside a desktop "
    "session, or headless as \"xvfb-run ./qmr417\" or \"QT_QPA_PLATFORM=offscreen ./qmr417\".");

} // namespace shell::texts
