#pragma once
// The main window: menus, toolbar, status bar, the "Tree Bar" with the navigation tree, and
// the editor windows in its client area. It owns every command of the program and keeps
// the editors and the radio image in step around them (store all before the image is
// saved, sent or re-modelled; reload all after it was replaced).

#include "app/app_state.h"
#include "shell/editor_kinds.h"
#include "shell/editor_workspace.h"
#include "shell/help_service.h"
#include "app/prompts.h"
#include "shell/link_services.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QPrinter;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace shell {

// The main window's own help: its resource's help id less the command base.
inline constexpr int kHelpIdCommandBase = 0x10000;
inline constexpr int kMainFrameHelpId = 0x20000 + 128;

class CMainFrame : public QMainWindow {
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

    EditorWorkspace& workspace() { return *m_workspace; }
    QMdiArea* mdiArea() const { return m_mdi; }

public slots:
    // File (the loading half of Open, also used by drops and the command line).
    void newFile();
    void open();
    void openPath(const QString& path);
    void save();
    void saveAs();

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

    void cascade();
    void tile();
    void arrangeIcons();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building the window (main_frame_ui.cpp).
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createTreeBar();
    QAction* addAction(const QString& text, const char* name, void (CMainFrame::*slot)());
    QMenu* addMenu(const QString& title, const char* name);
    void onTreeItemClicked(QTreeWidgetItem* item);

    void refreshBandIndicator();
    void updateTitle();
    void writeTo(const QString& path);
    bool runTransfer(TransferDirection direction);
    void saveAsFromDialog();
    EditorEnv editorEnv();
    bool choosePrinterWithDialog(QPrinter& printer);
    // The print text of the configuration report, after every open editor stored.
    QStringList printText();
    bool writePdf(const QString& path);

    app::AppState& m_state;
    app::Prompts& m_prompts;
    HelpService& m_help;
    LinkServices m_link;
    PrinterChooser m_choosePrinter;

    QMdiArea* m_mdi = nullptr;
    EditorWorkspace* m_workspace = nullptr;
    QToolBar* m_toolBar = nullptr;
    QDockWidget* m_treeBar = nullptr;
    QTreeWidget* m_tree = nullptr;
    QLabel* m_comPane = nullptr;
    QLabel* m_freqPane = nullptr;

    struct Actions {
        QAction *fileNew, *fileOpen, *fileSave, *fileSaveAs, *exit;
        QAction *model, *port, *read, *write, *password;
        QAction *viewToolbar, *viewStatusBar, *viewTree;
        QAction *cascade, *tile, *arrange;
        QAction *helpTopics, *about, *print, *contextHelp;
        QAction *printPreview, *exportPdf;
        std::array<QAction*, kEditorKinds.size()> editors;
    } m_actions{};
};

} // namespace shell
