// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every fixed text the main window, its bars and the file commands show, quoted exactly as
// the program has always shown them (the odd spellings included: users and dealers know
// them). Dialogs keep their own texts in their headers. The texts marked QT_TRANSLATE_NOOP
// are shown through tr() in the user's language; the others (file names, the command line's
// lines) stay as they are.

#include <QCoreApplication>
#include <QString>

namespace shell::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("shell::texts", text, nullptr, count);
}

// Menus and their items, in menu order.
inline constexpr const char* kMenuFile = QT_TRANSLATE_NOOP("shell::texts", "&File");
inline constexpr const char* kNew = QT_TRANSLATE_NOOP("shell::texts", "&New(&N)");
inline constexpr const char* kOpen = QT_TRANSLATE_NOOP("shell::texts", "&Open(&O)...");
inline constexpr const char* kSave = QT_TRANSLATE_NOOP("shell::texts", "&Save(&S)");
inline constexpr const char* kSaveAs = QT_TRANSLATE_NOOP("shell::texts", "Save &As(&A)...");
inline constexpr const char* kExit = QT_TRANSLATE_NOOP("shell::texts", "E&xit(&X)");

inline constexpr const char* kMenuModel = QT_TRANSLATE_NOOP("shell::texts", "&Model");
inline constexpr const char* kModel = QT_TRANSLATE_NOOP("shell::texts", "Model");

inline constexpr const char* kMenuEdit = QT_TRANSLATE_NOOP("shell::texts", "&Edit");  // its items come from the editor table

inline constexpr const char* kMenuSetting = QT_TRANSLATE_NOOP("shell::texts", "&Setting");
inline constexpr const char* kPort = QT_TRANSLATE_NOOP("shell::texts", "Port");

inline constexpr const char* kMenuProgram = QT_TRANSLATE_NOOP("shell::texts", "&Program");
inline constexpr const char* kReadFromRadio = QT_TRANSLATE_NOOP("shell::texts", "Read From Radio");
inline constexpr const char* kWriteToRadio = QT_TRANSLATE_NOOP("shell::texts", "Write To Radio");
inline constexpr const char* kPassword = QT_TRANSLATE_NOOP("shell::texts", "Password");
inline constexpr const char* kCompareWithRadio = QT_TRANSLATE_NOOP("shell::texts", "Compare With Radio...");
inline constexpr const char* kCheckConfiguration = QT_TRANSLATE_NOOP("shell::texts", "Check Configuration");
inline constexpr const char* kFleetWrite = QT_TRANSLATE_NOOP("shell::texts", "Fleet Write...");

inline constexpr const char* kMenuView = QT_TRANSLATE_NOOP("shell::texts", "&View");
inline constexpr const char* kToolbar = QT_TRANSLATE_NOOP("shell::texts", "&Toolbar(&T)");
inline constexpr const char* kStatusBar = QT_TRANSLATE_NOOP("shell::texts", "&Status Bar(&S)");
inline constexpr const char* kTreeView = QT_TRANSLATE_NOOP("shell::texts", "Tree View");
// The language menu: the desktop's language, then each language the program carries, named
// in its own words (app::language and shell::UiLanguage).
inline constexpr const char* kMenuLanguage = QT_TRANSLATE_NOOP("shell::texts", "&Language");
inline constexpr const char* kSystemLanguage = QT_TRANSLATE_NOOP("shell::texts", "System");
inline constexpr const char* kLanguageAtNextStart =
    QT_TRANSLATE_NOOP("shell::texts", "The program shows %1 from its next start.");
inline constexpr const char* kLanguageNotStored =
    QT_TRANSLATE_NOOP("shell::texts", "The language could not be stored in %1.");
inline constexpr const char* kUnknownLanguage =
    QT_TRANSLATE_NOOP("shell::texts", "The language \"%1\" that %2 names is not one this program has: it shows English.");

inline constexpr const char* kMenuWindow = QT_TRANSLATE_NOOP("shell::texts", "&Window");
inline constexpr const char* kCascade = QT_TRANSLATE_NOOP("shell::texts", "Cascade(&C)");
inline constexpr const char* kTile = QT_TRANSLATE_NOOP("shell::texts", "Tile(&T)");
inline constexpr const char* kArrange = QT_TRANSLATE_NOOP("shell::texts", "Arrange(&A)");
// Keyboard: Ctrl+Tab and Ctrl+Shift+Tab between the editors, F6 between the Tree Bar and the
// editor in front (an action of the window, not in a menu).
inline constexpr const char* kNextWindow = QT_TRANSLATE_NOOP("shell::texts", "&Next Window");
inline constexpr const char* kEditorWindowItem = QT_TRANSLATE_NOOP("shell::texts", "&%1 %2");  // "&1 Channel"
inline constexpr const char* kPreviousWindow = QT_TRANSLATE_NOOP("shell::texts", "Pre&vious Window");
inline constexpr const char* kSwitchPane = QT_TRANSLATE_NOOP("shell::texts", "Switch Pane");

inline constexpr const char* kMenuHelp = QT_TRANSLATE_NOOP("shell::texts", "&Help");
inline constexpr const char* kHelpTopics = QT_TRANSLATE_NOOP("shell::texts", "Help Topics");
inline constexpr const char* kAbout = QT_TRANSLATE_NOOP("shell::texts", "About...");

// Print: the toolbar button (its tip reads "Print"), Ctrl+P and the File menu's item.
inline constexpr const char* kPrint = QT_TRANSLATE_NOOP("shell::texts", "&Print...");

// Status-line prompts.
inline constexpr const char* kPortPrompt = QT_TRANSLATE_NOOP("shell::texts", "Communication port");
inline constexpr const char* kWritePrompt = QT_TRANSLATE_NOOP("shell::texts", "Write Data To Radio");
inline constexpr const char* kReadPrompt = QT_TRANSLATE_NOOP("shell::texts", "Read Data From Radio");

// Bars.
inline constexpr const char* kToolbarTitle = QT_TRANSLATE_NOOP("shell::texts", "Toolbar");
inline constexpr const char* kTreeBarTitle = QT_TRANSLATE_NOOP("shell::texts", "Tree Bar");
inline const QString kCapsIndicator = QStringLiteral("CAP");
inline const QString kNumIndicator = QStringLiteral("NUM");
inline const QString kScrollIndicator = QStringLiteral("SCRL");

// File commands.
inline constexpr const char* kNewQuestion = QT_TRANSLATE_NOOP("shell::texts", "All data will be cleared");
inline constexpr const char* kNewCaption = QT_TRANSLATE_NOOP("shell::texts", "Warnning");
inline constexpr const char* kFileFilter = QT_TRANSLATE_NOOP("shell::texts", "Param Files (*.dat)");
inline const QString kModifiedMarker = QStringLiteral("*");
inline constexpr const char* kSaveChangesQuestion = QT_TRANSLATE_NOOP("shell::texts", "Save changes to %1?");
inline constexpr const char* kSaveButton = QT_TRANSLATE_NOOP("shell::texts", "&Save");
inline constexpr const char* kDiscardButton = QT_TRANSLATE_NOOP("shell::texts", "&Discard");
inline constexpr const char* kCancelButton = QT_TRANSLATE_NOOP("shell::texts", "&Cancel");
inline constexpr const char* kOpenBackupFolder = QT_TRANSLATE_NOOP("shell::texts", "Open Backup Folder");
inline constexpr const char* kBackupFolderNotOpened =
    QT_TRANSLATE_NOOP("shell::texts", "No file manager could open the backup folder. The backups are kept in:\n\n%1");
inline constexpr const char* kBackupFailed = QT_TRANSLATE_NOOP("shell::texts", "The data was transferred, but its backup could not be saved: %1");
// A write that failed part-way after "Read the radio first": the runner's line, then the way back.
inline constexpr const char* kPartialWriteRestore = QT_TRANSLATE_NOOP("shell::texts", 
    "The write did not complete: %1.\n\n\"Restore\" writes the radio's earlier contents back into it.");
inline constexpr const char* kRestore = QT_TRANSLATE_NOOP("shell::texts", "Restore");
inline constexpr const char* kRecentFileMissing = QT_TRANSLATE_NOOP("shell::texts", "%1 no longer exists; it was removed from the recent files.");
inline const QString kRecentFileEntry = QStringLiteral("&%1 %2");
inline constexpr const char* kExportCsv = QT_TRANSLATE_NOOP("shell::texts", "Export Channels (CSV)...");
inline constexpr const char* kImportCsv = QT_TRANSLATE_NOOP("shell::texts", "Import Channels (CSV)...");
inline constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("shell::texts", "CSV Files (*.csv)");
inline const QString kCsvSuffix = QStringLiteral("csv");
inline const QString kCsvProposedName = QStringLiteral("channels.csv");
inline constexpr const char* kExportCsvTitle = QT_TRANSLATE_NOOP("shell::texts", "Export Channels (CSV)");
inline constexpr const char* kImportCsvTitle = QT_TRANSLATE_NOOP("shell::texts", "Import Channels (CSV)");
// An export written over a parameter file would lose the configuration in it.
inline constexpr const char* kExportNotOverParameterFile =
    QT_TRANSLATE_NOOP("shell::texts", "%1 is a parameter file name (\".dat\"); an export never replaces a parameter file.\n\n"
                   "Choose a name ending in \".%2\".");
inline constexpr const char* kCsvCannotRead = QT_TRANSLATE_NOOP("shell::texts", "Cannot read %1: %2");
inline constexpr const char* kCsvCannotSave = QT_TRANSLATE_NOOP("shell::texts", "Cannot save %1: %2");
inline constexpr const char* kExportJson = QT_TRANSLATE_NOOP("shell::texts", "Export Configuration (JSON)...");
inline constexpr const char* kImportJson = QT_TRANSLATE_NOOP("shell::texts", "Import Configuration (JSON)...");
inline constexpr const char* kJsonFilter = QT_TRANSLATE_NOOP("shell::texts", "JSON Files (*.json)");
inline const QString kJsonSuffix = QStringLiteral("json");
inline constexpr const char* kExportJsonTitle = QT_TRANSLATE_NOOP("shell::texts", "Export Configuration (JSON)");
inline constexpr const char* kImportJsonTitle = QT_TRANSLATE_NOOP("shell::texts", "Import Configuration (JSON)");
inline constexpr const char* kJsonCannotRead = QT_TRANSLATE_NOOP("shell::texts", "Cannot read %1: %2");
inline constexpr const char* kJsonCannotSave = QT_TRANSLATE_NOOP("shell::texts", "Cannot save %1: %2");

// After Open and Read From Radio: what the editors will change when they store.
inline constexpr const char* kLoadCorrections =
    QT_TRANSLATE_NOOP("shell::texts", "The editors will change what %1 holds when they store it (Save writes it so):\n\n%2\n\n"
                                      "Check Configuration lists these again.");
inline constexpr const char* kTheRadio = QT_TRANSLATE_NOOP("shell::texts", "the radio");
inline constexpr const char* kMoreCorrections = QT_TRANSLATE_NOOP("shell::texts", "... and %1 more");

// Undo steps that are no menu command of their own: what the user typed or chose in an
// editor, and a CSV import.
inline constexpr const char* kEditStep = QT_TRANSLATE_NOOP("shell::texts", "Edit");
inline constexpr const char* kImportStep = QT_TRANSLATE_NOOP("shell::texts", "Import Channels");
inline constexpr const char* kImportJsonStep = QT_TRANSLATE_NOOP("shell::texts", "Import Configuration");

// Child frame bottom bar.
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("shell::texts", "Close");
inline constexpr const char* kHelp = QT_TRANSLATE_NOOP("shell::texts", "Help");

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
