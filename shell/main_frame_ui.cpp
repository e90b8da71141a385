// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: actions, menus, toolbar, status bar and the Tree Bar.

#include "shell/main_frame.h"

#include "app/app_config.h"
#include "app/language.h"
#include "link/port_names.h"
#include "shell/child_frame.h"
#include "shell/print_texts.h"
#include "shell/shell_texts.h"
#include "shell/toolbar_icons.h"
#include "shell/ui_language.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace shell {

namespace {
// Marks the Window menu's editor items, which are listed anew each time it opens.
constexpr char kEditorWindowProperty[] = "editorWindow";
} // namespace

namespace {

constexpr int kFreqPaneWidth = 200;
// The port pane holds a COMn name or a device path; it is wide enough for a usual path from
// the start, so choosing one does not shift the panes.
const QString kComPaneRoom = QStringLiteral("/dev/ttyUSB00");
constexpr int kTreeBarWidth = 210;
constexpr int kTreeItemMargins = 12;  // around an item's text, and a pixel to spare

QLabel* statusPane(const QString& text, const char* name, int minimumWidth = 0) {
    auto* pane = new QLabel(text);
    pane->setObjectName(QLatin1String(name));
    pane->setTextFormat(Qt::PlainText);
    if (minimumWidth > 0) pane->setMinimumWidth(minimumWidth);
    return pane;
}

} // namespace

QAction* CMainFrame::addAction(const QString& text, const char* name, void (CMainFrame::*slot)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    if (slot) connect(action, &QAction::triggered, this, slot);
    return action;
}

QMenu* CMainFrame::addMenu(const QString& title, const char* name) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void CMainFrame::createActions() {
    Actions& a = m_actions;
    a.fileNew = addAction(texts::tr(texts::kNew), "actionNew", &CMainFrame::newFile);
    a.fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    a.fileNew->setIcon(toolbarIcon(ToolbarIcon::New));
    a.fileOpen = addAction(texts::tr(texts::kOpen), "actionOpen", &CMainFrame::open);
    a.fileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    a.fileOpen->setIcon(toolbarIcon(ToolbarIcon::Open));
    a.fileSave = addAction(texts::tr(texts::kSave), "actionSave", &CMainFrame::save);
    a.fileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    a.fileSave->setIcon(toolbarIcon(ToolbarIcon::Save));
    a.fileSaveAs = addAction(texts::tr(texts::kSaveAs), "actionSaveAs", &CMainFrame::saveAs);
    a.exportCsv = addAction(texts::tr(texts::kExportCsv), "actionExportCsv", &CMainFrame::exportChannelsCsv);
    a.importCsv = addAction(texts::tr(texts::kImportCsv), "actionImportCsv", &CMainFrame::importChannelsCsv);
    a.exportJson = addAction(texts::tr(texts::kExportJson), "actionExportJson", &CMainFrame::exportConfigurationJson);
    a.importJson = addAction(texts::tr(texts::kImportJson), "actionImportJson", &CMainFrame::importConfigurationJson);
    a.openBackups = addAction(texts::tr(texts::kOpenBackupFolder), "actionOpenBackupFolder", &CMainFrame::openBackupFolder);
    a.exit = addAction(texts::tr(texts::kExit), "actionExit", nullptr);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);

    a.model = addAction(texts::tr(texts::kModel), "actionModel", &CMainFrame::showModel);
    for (const Editor& info : kEditors) {
        QAction* action = addAction(app::shownName(info.menuText), info.objectName, nullptr);
        action->setObjectName(QStringLiteral("actionEditor_") + QLatin1String(info.objectName));
        connect(action, &QAction::triggered, this, [this, kind = info.kind] { openEditor(kind); });
        a.editors[std::size_t(info.kind)] = action;
    }
    a.port = addAction(texts::tr(texts::kPort), "actionPort", &CMainFrame::showPort);
    a.port->setStatusTip(texts::tr(texts::kPortPrompt));
    a.port->setIcon(toolbarIcon(ToolbarIcon::Port));
    a.read = addAction(texts::tr(texts::kReadFromRadio), "actionRead", &CMainFrame::readFromRadio);
    a.read->setStatusTip(texts::tr(texts::kReadPrompt));
    a.read->setIcon(toolbarIcon(ToolbarIcon::Read));
    a.write = addAction(texts::tr(texts::kWriteToRadio), "actionWrite", &CMainFrame::writeToRadio);
    a.write->setStatusTip(texts::tr(texts::kWritePrompt));
    a.write->setIcon(toolbarIcon(ToolbarIcon::Write));
    a.password = addAction(texts::tr(texts::kPassword), "actionPassword", &CMainFrame::setPassword);

    a.cascade = addAction(texts::tr(texts::kCascade), "actionCascade", &CMainFrame::cascade);
    a.tile = addAction(texts::tr(texts::kTile), "actionTile", &CMainFrame::tile);
    a.arrange = addAction(texts::tr(texts::kArrange), "actionArrange", &CMainFrame::arrangeIcons);
    createKeyboardActions();

    a.helpTopics = addAction(texts::tr(texts::kHelpTopics), "actionHelpTopics", &CMainFrame::helpTopics);
    a.about = addAction(texts::tr(texts::kAbout), "actionAbout", &CMainFrame::about);
    a.about->setIcon(toolbarIcon(ToolbarIcon::About));
    a.print = addAction(texts::tr(texts::kPrint), "actionPrint", &CMainFrame::print);
    a.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    a.print->setIcon(toolbarIcon(ToolbarIcon::Print));
    QMainWindow::addAction(a.print);  // Ctrl+P works while the toolbar is hidden
    a.printPreview = addAction(texts::tr(texts::kPrintPreview), "actionPrintPreview", &CMainFrame::printPreview);
    a.exportPdf = addAction(texts::tr(texts::kExportPdf), "actionExportPdf", &CMainFrame::exportPdf);
    a.contextHelp = addAction(texts::tr(texts::kHelp), "actionContextHelp", &CMainFrame::contextHelp);
    a.contextHelp->setShortcut(QKeySequence::HelpContents);
    QMainWindow::addAction(a.contextHelp);
    createEditActions();
}

void CMainFrame::createMenus() {
    const Actions& a = m_actions;
    QMenu* file = addMenu(texts::tr(texts::kMenuFile), "menuFile");
    file->addActions({a.fileNew, a.fileOpen, a.fileSave, a.fileSaveAs});
    file->addSeparator();
    file->addActions({a.importCsv, a.exportCsv, a.importJson, a.exportJson, a.openBackups});
    file->addSeparator();
    file->addActions({a.print, a.printPreview, a.exportPdf});
    file->addSeparator();
    m_recentEnd = file->addSeparator();
    file->addAction(a.exit);
    m_fileMenu = file;
    rebuildRecentMenu();

    addMenu(texts::tr(texts::kMenuModel), "menuModel")->addAction(a.model);
    QMenu* edit = addMenu(texts::tr(texts::kMenuEdit), "menuEdit");
    for (QAction* action : a.editors) edit->addAction(action);
    addEditActions(*edit);
    addMenu(texts::tr(texts::kMenuSetting), "menuSetting")->addAction(a.port);
    QMenu* program = addMenu(texts::tr(texts::kMenuProgram), "menuProgram");
    program->addActions({a.read, a.write, a.password});
    addCheckCommands(*program);
    QMenu* view = addMenu(texts::tr(texts::kMenuView), "menuView");
    view->addActions({a.viewToolbar, a.viewStatusBar, a.viewTree});
    addLanguageMenu(*view);
    QMenu* window = addMenu(texts::tr(texts::kMenuWindow), "menuWindow");
    window->addActions({a.cascade, a.tile, a.arrange});
    window->addSeparator();
    window->addActions({a.nextWindow, a.previousWindow});
    connect(window, &QMenu::aboutToShow, this, [this, window] { listEditorWindows(*window); });
    addMenu(texts::tr(texts::kMenuHelp), "menuHelp")->addActions({a.helpTopics, a.about});
}

void CMainFrame::addLanguageMenu(QMenu& view) {
    QMenu* menu = view.addMenu(texts::tr(texts::kMenuLanguage));
    menu->setObjectName(QStringLiteral("menuLanguage"));
    auto* group = new QActionGroup(menu);
    QStringList settings{app::kSystemLanguage, app::kEnglish};
    settings.append(carriedLanguages());
    // What "Program.ini" asks for is ticked: "System", or the language shown for it (English
    // for a language the program does not have, "Deutsch" for "de_AT").
    const QString asked = app::languageSetting(m_state.config).trimmed();
    const bool followsSystem = asked.isEmpty() || asked.compare(app::kSystemLanguage, Qt::CaseInsensitive) == 0;
    const QString ticked =
        followsSystem ? app::kSystemLanguage : app::chooseLanguage(asked, QString(), carriedLanguages()).code;
    for (const QString& setting : std::as_const(settings)) {
        const bool isSystem = setting == app::kSystemLanguage;
        auto* action = menu->addAction(isSystem ? texts::tr(texts::kSystemLanguage) : nativeLanguageName(setting));
        action->setObjectName(QStringLiteral("actionLanguage_") + setting);
        action->setCheckable(true);
        action->setChecked(setting.compare(ticked, Qt::CaseInsensitive) == 0);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, setting, name = action->text()] { chooseLanguage(setting, name); });
    }
}

void CMainFrame::chooseLanguage(const QString& setting, const QString& shownName) {
    // The windows are built with their texts; a restart builds them all in the new language.
    const QString note = app::writeLanguageSetting(m_state.config, setting)
                             ? texts::tr(texts::kLanguageAtNextStart).arg(shownName)
                             : texts::tr(texts::kLanguageNotStored).arg(app::kSettingsFileName);
    statusBar()->showMessage(note);
}

// The open editors at the end of the Window menu, numbered in the order of their windows, the
// one in front ticked; choosing one brings it to the front.
void CMainFrame::listEditorWindows(QMenu& menu) {
    for (QAction* action : menu.actions())
        if (action->property(kEditorWindowProperty).toBool()) delete action;
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    if (windows.isEmpty()) return;
    menu.addSeparator()->setProperty(kEditorWindowProperty, true);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        auto* frame = qobject_cast<CMyChildFrame*>(windows[i]);
        if (!frame) continue;
        const EditorKind kind = frame->kind();
        QAction* action = menu.addAction(texts::tr(texts::kEditorWindowItem).arg(i + 1).arg(frame->windowTitle()));
        action->setProperty(kEditorWindowProperty, true);
        action->setCheckable(true);
        action->setChecked(windows[i] == m_mdi->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, kind] { openEditor(kind); });
    }
}

void CMainFrame::rebuildRecentMenu() {
    for (QAction* action : std::as_const(m_recentActions)) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    const QStringList files = m_recent.files();
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(texts::kRecentFileEntry.arg(i + 1).arg(QDir::toNativeSeparators(files[i])), this);
        action->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path = files[i]] { openRecent(path); });
        m_fileMenu->insertAction(m_recentEnd, action);
        m_recentActions.append(action);
    }
    m_recentEnd->setVisible(!files.isEmpty());
}

void CMainFrame::createToolBar() {
    const Actions& a = m_actions;
    m_toolBar = new QToolBar(texts::tr(texts::kToolbarTitle), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->addActions({a.fileNew, a.fileOpen, a.fileSave});
    m_toolBar->addSeparator();
    m_toolBar->addActions({a.read, a.port, a.write});
    m_toolBar->addSeparator();
    m_toolBar->addActions({a.print, a.about});
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    m_actions.viewToolbar = m_toolBar->toggleViewAction();
    m_actions.viewToolbar->setText(texts::tr(texts::kToolbar));
    m_actions.viewToolbar->setObjectName(QStringLiteral("actionViewToolbar"));
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    m_comPane = statusPane(radiolink::shownPortName(m_state.config.portName), "comPane");
    m_comPane->setMinimumWidth(m_comPane->fontMetrics().horizontalAdvance(kComPaneRoom));
    m_comPane->setAlignment(Qt::AlignCenter);
    m_freqPane = statusPane(image::kInitialBandIndicator, "freqPane", kFreqPaneWidth);
    m_freqPane->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_freqPane->setIndent(m_freqPane->fontMetrics().averageCharWidth() * 2);
    bar->addPermanentWidget(m_comPane);
    bar->addPermanentWidget(m_freqPane);
    // Qt tells no lock-key state on every platform, so the indicators only name the keys.
    for (const auto& [text, name] : {std::pair{texts::kCapsIndicator, "capsPane"},
                                     std::pair{texts::kNumIndicator, "numPane"},
                                     std::pair{texts::kScrollIndicator, "scrollPane"}}) {
        QLabel* pane = statusPane(text, name);
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }

    m_actions.viewStatusBar = addAction(texts::tr(texts::kStatusBar), "actionViewStatusBar", nullptr);
    m_actions.viewStatusBar->setCheckable(true);
    m_actions.viewStatusBar->setChecked(true);
    connect(m_actions.viewStatusBar, &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::createTreeBar() {
    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(texts::tr(texts::kTreeBarTitle));  // the bar's title stands above it
    auto* root = new QTreeWidgetItem(m_tree, {m_state.config.modelName});
    for (const Editor& info : kEditors) new QTreeWidgetItem(root, {app::shownName(info.treeText)});
    root->setExpanded(true);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { onTreeItemClicked(item); });
    // Enter (and a double-click) on an item opens it too and hands it the keyboard, so the
    // keyboard reaches every editor; F6 comes back.
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        onTreeItemClicked(item);
        if (item->parent()) focusActiveEditor();
    });

    m_treeBar = new QDockWidget(texts::tr(texts::kTreeBarTitle), this);
    m_treeBar->setObjectName(QStringLiteral("treeBar"));
    m_treeBar->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                           QDockWidget::DockWidgetFloatable);
    m_treeBar->setWidget(m_tree);
    addDockWidget(Qt::LeftDockWidgetArea, m_treeBar);
    // As wide as its longest item needs with the font in use ("Communication Note" under
    // the root), and never narrower than the bar was laid out for.
    int items = 0;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const int depth = (*it)->parent() ? 2 : 1;  // the root, then the editors under it
        items = std::max(items, m_tree->fontMetrics().horizontalAdvance((*it)->text(0)) + depth * m_tree->indentation());
    }
    items += 2 * m_tree->frameWidth() + kTreeItemMargins;
    m_tree->setMinimumWidth(items);
    resizeDocks({m_treeBar}, {std::max(kTreeBarWidth, items)}, Qt::Horizontal);

    m_actions.viewTree = m_treeBar->toggleViewAction();
    m_actions.viewTree->setText(texts::tr(texts::kTreeView));
    m_actions.viewTree->setObjectName(QStringLiteral("actionViewTree"));
}

void CMainFrame::onTreeItemClicked(QTreeWidgetItem* item) {
    if (!item->parent()) return;  // the root names the model and opens nothing
    const QString text = item->text(0);
    if (text == texts::tr(texts::kModel)) {
        showModel();
        return;
    }
    if (const auto kind = editorForTreeText(text)) openEditor(*kind);
}

} // namespace shell
