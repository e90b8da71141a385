// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menus, toolbar, status bar, the "Tree Bar" with the navigation tree, and
// the editor windows in its client area. It owns every command of the program and keeps
// the editors and the radio image in step around them (store all before the image is
// saved, sent or re-modelled; reload all after it was replaced).

#include "app/app_state.h"
#include "app/backups.h"
#include "config/config_apply.h"
#include "app/change_tracker.h"
#include "app/recent_files.h"
#include "app/undo_history.h"
#include "channels/channel_csv.h"
#include "shell/editor_kinds.h"
#include "shell/editor_workspace.h"
#include "forms/editor_host.h"
#include "forms/help_service.h"
#include "app/prompts.h"
#include "shell/link_services.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QPrinter;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace config {
struct Printout;
}

namespace shell {

// The extension of parameter files.
inline const QString kParameterFileSuffix = QStringLiteral("dat");

// The main window's own help: its resource's help id less the command base.
inline constexpr int kHelpIdCommandBase = 0x10000;
inline constexpr int kMainFrameHelpId = 0x20000 + 128;

class CMainFrame : public QMainWindow, public forms::EditorHost {
    Q_OBJECT
public:
    // `state` is configured already (startupConfig); the window loads "Default.dat" from its
    // application directory and opens the Channel editor.
    CMainFrame(app::AppState& state, app::Prompts& prompts, HelpService& help, EditorFactories editors,
               LinkServices link, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Asks where to print; true to print. The program shows the system's print dialog.
    using PrinterChooser = std::function<bool(QPrinter&)>;
    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }

    // Shows what a CSV import would do and lets the user choose the placement; the plan to
    // apply, or nothing on Cancel. The program shows the import dialog.
    using CsvPlanner = std::function<channels::csv::ImportPlan(channels::csv::Placement)>;
    using CsvImportConfirmer =
        std::function<std::optional<channels::csv::ImportPlan>(const QString& fileName, const CsvPlanner&)>;
    void setCsvImportConfirmer(CsvImportConfirmer confirmer) { m_confirmCsvImport = std::move(confirmer); }

    // Shows what a configuration document would do (its problems and warnings); true to take
    // it. The program shows the import dialog, which offers Import only for a document without
    // errors.
    using JsonImportConfirmer = std::function<bool(const QString& fileName, const config::ApplyResult& result)>;
    void setJsonImportConfirmer(JsonImportConfirmer confirmer) { m_confirmJsonImport = std::move(confirmer); }

    EditorWorkspace& workspace() { return *m_workspace; }
    QMdiArea* mdiArea() const { return m_mdi; }

    // What the editors get from the window around them: corrections of typed values in the
    // status bar for a few seconds, and Undo and Redo for their context menus.
    void showCorrection(const app::Correction& correction) override;
    QList<QAction*> historyActions() override;

public slots:
    // File (the loading half of Open, also used by drops and the command line).
    void newFile();
    void open();
    void openPath(const QString& path);
    void save();
    void saveAs();
    void exportChannelsCsv();
    void importChannelsCsv();
    // The whole configuration as JSON (main_frame_json.cpp), in the layout of report --json.
    void exportConfigurationJson();
    void importConfigurationJson();

    void showModel();
    void openEditor(EditorKind kind);
    void showPort();
    void readFromRadio();
    void writeToRadio();
    void setPassword();
    void print();
    void printPreview();
    void exportPdf();
    void about();
    void contextHelp();
    void helpTopics();

    void openBackupFolder();

    // Program: the radio compared with the open configuration (read beside it, never into it),
    // and the configuration check (main_frame_checks.cpp).
    void compareWithRadio();
    void checkConfiguration();
    // Program: the open configuration written into a fleet of radios (main_frame_checks.cpp).
    void fleetWrite();

    // Edit: undo and redo across every editor, and the active editor's own commands.
    void undo();
    void redo();
    void runEditCommand(EditCommand command);

    void cascade();
    void tile();
    void arrangeIcons();
    // The keyboard's way around: the next or previous editor window, and F6 between the
    // Tree Bar and the editor in front (main_frame_keys.cpp).
    void nextEditor();
    void previousEditor();
    void switchPane();

    // True when the configuration differs from the one last opened, saved, read or written
    // (after storing the open editors).
    bool hasUnsavedChanges();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building the window (main_frame_ui.cpp).
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createTreeBar();
    void createKeyboardActions();
    void focusActiveEditor();
    QAction* addAction(const QString& text, const char* name, void (CMainFrame::*slot)());
    QMenu* addMenu(const QString& title, const char* name);
    // Undo, redo and the editors' commands (main_frame_edit.cpp).
    void createEditActions();
    void addEditActions(QMenu& menu);
    void updateEditActions();
    // Before the Edit menu opens: what the active editor shows is stored, so Undo names the
    // step it would take back.
    void prepareEditMenu();
    // The configuration as it is now becomes an undo step named `name` when it changed since
    // the last one.
    void recordStep(const QString& name);
    // What an editor's store just corrected in bytes it had loaded joins the current step, and
    // the clean state when that was clean.
    void keepCorrections();
    // After New and Open: what was before is another configuration, not a step to go back to.
    void resetHistory();
    void restore(const std::optional<app::ConfigSnapshot>& snapshot);
    app::ConfigSnapshot snapshot() const;
    void onTreeItemClicked(QTreeWidgetItem* item);
    // Compare and check (main_frame_checks.cpp).
    void addCheckCommands(QMenu& program);
    QString saveRadioConfiguration(const app::AppState& radio);
    // After Open and Read: what the editors' stores will change in what was loaded, told in
    // one message and kept for Check Configuration until a save writes it.
    void tellLoadCorrections(const QString& loadedName);

    void refreshBandIndicator();
    void updateTitle();
    bool writeTo(const QString& path);
    bool runTransfer(TransferDirection direction);
    bool saveAsFromDialog();
    // Before a command replaces the configuration: stores the editors and, when there are
    // changes, asks "Save changes to <name>?". False when the user cancelled (or the save
    // did not happen), so the command must stop.
    bool settleUnsavedChanges() { return settleChanges() != Settled::Cancelled; }
    // The same, telling also whether the question was asked.
    enum class Settled { NoChanges, Answered, Cancelled };
    Settled settleChanges();
    void markClean();
    void refreshModifiedMarker();
    void keepBackup(app::BackupKind kind);
    void offerRestore(const QString& backup, const QString& failure);
    void rebuildRecentMenu();
    void listEditorWindows(QMenu& menu);
    // View > Language: the choice goes into "Program.ini" and takes effect at the next start.
    void addLanguageMenu(QMenu& view);
    void chooseLanguage(const QString& setting, const QString& shownName);
    void openRecent(const QString& path);
    EditorEnv editorEnv();
    bool choosePrinterWithDialog(QPrinter& printer);
    // The printout of the configuration report, after every open editor stored.
    config::Printout printout();
    bool writePdf(const QString& path);
    // Where an export goes (main_frame_csv.cpp): a name typed without extension gets the
    // request's default suffix; a parameter file's name is refused with a message, so no
    // export replaces a configuration. Empty when nothing is to be written.
    QString askExportFileName(app::FileDialogRequest request);
    std::optional<channels::csv::ImportPlan> confirmCsvImportWithDialog(const QString& fileName,
                                                                        const CsvPlanner& planner);
    bool confirmJsonImportWithDialog(const QString& fileName, const config::ApplyResult& result);

    app::AppState& m_state;
    app::Prompts& m_prompts;
    HelpService& m_help;
    LinkServices m_link;
    PrinterChooser m_choosePrinter;
    CsvImportConfirmer m_confirmCsvImport;
    JsonImportConfirmer m_confirmJsonImport;
    app::ChangeTracker m_changes;
    app::UndoHistory m_undo;
    bool m_modified = false;  // shown as the title's marker
    QList<app::check::Finding> m_loadCorrections;  // what the stores change in what was loaded
    app::RecentFiles m_recent;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentEnd = nullptr;  // the separator before "Exit": recent files stand above it
    QList<QAction*> m_recentActions;

    QMdiArea* m_mdi = nullptr;
    EditorWorkspace* m_workspace = nullptr;
    QToolBar* m_toolBar = nullptr;
    QDockWidget* m_treeBar = nullptr;
    QTreeWidget* m_tree = nullptr;
    QLabel* m_comPane = nullptr;
    QLabel* m_freqPane = nullptr;

    struct Actions {
        QAction *fileNew, *fileOpen, *fileSave, *fileSaveAs, *exportCsv, *importCsv, *openBackups, *exit;
        QAction *exportJson, *importJson;
        QAction *model, *port, *read, *write, *password;
        QAction *viewToolbar, *viewStatusBar, *viewTree;
        QAction *cascade, *tile, *arrange, *nextWindow, *previousWindow, *switchPane;
        QAction *helpTopics, *about, *print, *contextHelp;
        QAction *printPreview, *exportPdf;
        std::array<QAction*, kEditors.size()> editors;
        QAction *undo, *redo;
        std::array<QAction*, 9> commands;  // as kEditCommands lists them
    } m_actions{};
};

} // namespace shell
