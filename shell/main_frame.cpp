// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_frame.h"

#include "shell/about_dialog.h"
#include "app/app_files.h"
#include "image/parameter_file.h"
#include "link/port_names.h"
#include "shell/child_frame.h"
#include "shell/model_dialog.h"
#include "shell/port_dialog.h"
#include "config/print_document.h"
#include "shell/print_texts.h"
#include "shell/shell_texts.h"
#include "shell/transfer_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>

namespace shell {

namespace {

// A correction of a typed value stays in the status bar this long.
constexpr int kCorrectionShownMs = 6000;

// The first local ".dat" file among dropped URLs; empty when there is none.
QString droppedParameterFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        const bool parameterFile = QFileInfo(path).suffix().compare(kParameterFileSuffix, Qt::CaseInsensitive) == 0;
        if (!path.isEmpty() && parameterFile) return path;
    }
    return {};
}

// The system's text for a failed open or save, and the file it was about ("Permission
// denied" alone does not say which file).
QString fileErrorText(const image::FileResult& result, const QString& path) {
    if (result.wrongSize) return result.errorText;
    return QStringLiteral("%1\n\n%2").arg(result.errorText, QDir::toNativeSeparators(path));
}

} // namespace

CMainFrame::CMainFrame(app::AppState& state, app::Prompts& prompts, HelpService& help, EditorFactories editors,
                       LinkServices link, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompts(prompts), m_help(help), m_link(std::move(link)),
      m_recent(state.config.modelName) {
    setObjectName(QStringLiteral("mainFrame"));
    if (const QScreen* screen = QApplication::primaryScreen()) setGeometry(screen->availableGeometry());
    updateTitle();
    setAcceptDrops(true);
    m_choosePrinter = [this](QPrinter& printer) { return choosePrinterWithDialog(printer); };
    m_confirmCsvImport = [this](const QString& fileName, const CsvPlanner& planner) {
        return confirmCsvImportWithDialog(fileName, planner);
    };
    m_confirmJsonImport = [this](const QString& fileName, const config::ApplyResult& result) {
        return confirmJsonImportWithDialog(fileName, result);
    };

    m_mdi = new QMdiArea;
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    // Without scroll bars Tile grows the whole window until every editor fits its minimum size.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_workspace = new EditorWorkspace(m_mdi, editorEnv(), std::move(editors), this);

    createActions();
    createToolBar();
    createStatusBar();
    createTreeBar();
    createMenus();

    app::loadDefaultFile(m_state);
    openEditor(EditorKind::Channel);
    m_comPane->setText(radiolink::shownPortName(m_state.config.portName));
    m_freqPane->setText(image::kInitialBandIndicator);
    refreshBandIndicator();
    markClean();
    resetHistory();
    // Switching editors stores the one left: the marker and the undo history follow what it stored.
    // What a store writes is what the user typed or chose: an "Edit" step.
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { recordStep(texts::tr(texts::kEditStep)); });
    connect(m_workspace, &EditorWorkspace::stored, this, [this] { recordStep(texts::tr(texts::kEditStep)); });
    connect(m_workspace, &EditorWorkspace::reloaded, this, &CMainFrame::recordStep);
    connect(m_workspace, &EditorWorkspace::settled, this, &CMainFrame::keepCorrections);
    connect(m_workspace, &EditorWorkspace::commandsChanged, this, &CMainFrame::updateEditActions);
}

CMainFrame::~CMainFrame() {
    // A field that loses the focus may still tell the status bar of a correction: let it do so
    // now, while this window is whole, not when closing the window takes its focus later.
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    // The area reports its windows going away while this window's members are already gone.
    disconnect(m_mdi, nullptr, this, nullptr);
    disconnect(m_workspace, nullptr, this, nullptr);
    m_workspace->detach();
}

EditorEnv CMainFrame::editorEnv() { return EditorEnv{m_state, m_prompts, m_help, *this}; }

void CMainFrame::showCorrection(const app::Correction& correction) {
    if (correction.corrected()) statusBar()->showMessage(correction.note, kCorrectionShownMs);
}

QList<QAction*> CMainFrame::historyActions() { return {m_actions.undo, m_actions.redo}; }

// The indicator's leading tabs stood for right alignment; the pane aligns every text so.
void CMainFrame::refreshBandIndicator() {
    m_freqPane->setText(image::bandIndicatorText(m_state.bandLimits).trimmed());
}

void CMainFrame::updateTitle() {
    const QString title = app::windowTitle(m_state.config);
    setWindowTitle(m_modified ? texts::kModifiedMarker + title : title);
}

// --- Unsaved changes -------------------------------------------------------------------

bool CMainFrame::hasUnsavedChanges() {
    m_workspace->storeAll();
    refreshModifiedMarker();
    return m_modified;
}

void CMainFrame::markClean() {
    m_changes.markClean(snapshot());
    m_modified = false;
    updateTitle();
}

void CMainFrame::refreshModifiedMarker() {
    m_modified = m_changes.differs(snapshot());
    updateTitle();
}

CMainFrame::Settled CMainFrame::settleChanges() {
    if (!hasUnsavedChanges()) return Settled::NoChanges;
    const QString name = m_state.config.currentFileName.isEmpty() ? m_state.config.defaultDataFileName
                                                                  : m_state.config.currentFileName;
    switch (m_prompts.askSaveChanges(name)) {
    case app::SaveChoice::Save: {
        const QString& path = m_state.config.currentFilePath;
        const bool saved = path.isEmpty() ? saveAsFromDialog() : writeTo(path);
        return saved ? Settled::Answered : Settled::Cancelled;
    }
    case app::SaveChoice::Discard: return Settled::Answered;
    case app::SaveChoice::Cancel: return Settled::Cancelled;
    }
    return Settled::Cancelled;
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The area names a maximised editor in the title only when it activates one in a visible
    // window; the Channel editor opened at start came before the window was shown.
    if (QMdiSubWindow* active = m_mdi->activeSubWindow(); active && active->isMaximized() && !event->spontaneous()) {
        m_mdi->setActiveSubWindow(nullptr);
        m_mdi->setActiveSubWindow(active);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (settleUnsavedChanges()) event->accept();
    else event->ignore();
}

// --- File -----------------------------------------------------------------------------

void CMainFrame::newFile() {
    // Whoever has just answered "Save changes?" has decided; the warning is for the others.
    const Settled settled = settleChanges();
    if (settled == Settled::Cancelled) return;
    if (settled == Settled::NoChanges && !m_prompts.askYesNo(texts::tr(texts::kNewQuestion), texts::tr(texts::kNewCaption))) return;
    app::loadDefaultFile(m_state);  // a missing "Default.dat" keeps the data as it is
    app::forgetCurrentFile(m_state);
    m_loadCorrections.clear();
    refreshBandIndicator();
    m_workspace->reloadAll();
    markClean();
    resetHistory();
}

void CMainFrame::open() {
    if (!settleUnsavedChanges()) return;
    const QString path = m_prompts.askOpenFileName({texts::tr(texts::kFileFilter), m_state.config.dataDir, QString()});
    if (path.isEmpty()) return;
    openPath(path);
}

void CMainFrame::openPath(const QString& path) {
    const image::FileResult result = app::openParameterFile(m_state, path);
    if (!result.ok) {
        m_prompts.report(fileErrorText(result, path), app::Severity::Critical);
        return;
    }
    refreshBandIndicator();
    tellLoadCorrections(QFileInfo(path).fileName());
    m_workspace->reloadAll();
    markClean();
    resetHistory();
    m_recent.add(path);
    rebuildRecentMenu();
    if (!m_workspace->hasOpenEditor()) openEditor(EditorKind::Channel);
}

void CMainFrame::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        m_prompts.report(texts::tr(texts::kRecentFileMissing).arg(QDir::toNativeSeparators(path)), app::Severity::Warning);
        m_recent.remove(path);
        rebuildRecentMenu();
        return;
    }
    if (settleUnsavedChanges()) openPath(path);
}

void CMainFrame::save() {
    m_workspace->storeAll();
    // The full path of the file last opened or saved, so a folder browsed in between does
    // not redirect the save.
    if (m_state.config.currentFilePath.isEmpty())
        saveAsFromDialog();
    else
        writeTo(m_state.config.currentFilePath);
}

void CMainFrame::saveAs() {
    m_workspace->storeAll();
    saveAsFromDialog();
}

bool CMainFrame::saveAsFromDialog() {
    const QString path = m_prompts.askSaveFileName(
        {texts::tr(texts::kFileFilter), m_state.config.dataDir, m_state.config.defaultDataFileName});
    if (path.isEmpty()) return false;
    return writeTo(path);
}

bool CMainFrame::writeTo(const QString& path) {
    const image::FileResult result = app::saveParameterFile(m_state, path);
    if (!result.ok) {
        m_prompts.report(fileErrorText(result, path), app::Severity::Critical);
        return false;
    }
    markClean();
    m_loadCorrections.clear();  // the file now holds what the editors stored
    m_recent.add(path);
    rebuildRecentMenu();
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedParameterFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = droppedParameterFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    if (settleUnsavedChanges()) openPath(path);
}

// --- Model, editors, port, password ----------------------------------------------------

void CMainFrame::showModel() {
    m_workspace->storeAll();
    ModelDialog dialog(m_state.config.modelName, m_state.bandLimits, this);
    dialog.setConfirm([this](const image::BandLimits& limits) {
        const int outside = channelsOutsideBand(m_state.image, limits);
        return outside == 0 ||
               m_prompts.askYesNo(channelsOutsideBandQuestion(outside, limits), m_state.config.modelName);
    });
    if (dialog.exec() == QDialog::Accepted) {
        m_state.bandLimits = dialog.limits();
        // The next store would carry the limits into the image, but with no editor open none
        // comes before a Save or Write; so they go in now.
        image::encodeBandLimits(m_state.bandLimits, m_state.image);
        m_workspace->reloadAll(texts::tr(texts::kModel));
    }
    refreshBandIndicator();
}

void CMainFrame::openEditor(EditorKind kind) { m_workspace->open(kind); }

void CMainFrame::showPort() {
    PortDialog dialog(m_state.config, m_link, this);
    if (dialog.exec() == QDialog::Accepted) m_comPane->setText(radiolink::shownPortName(m_state.config.portName));
}

void CMainFrame::setPassword() {
    const QString current = QString::fromLatin1(image::programPasswordDigits(m_state.image));
    if (const auto entry = m_prompts.askPassword(app::PasswordMode::SetProgramPassword, current))
        image::setProgramPassword(m_state.image, *entry);
    recordStep(texts::tr(texts::kPassword));
}

// --- Radio ---------------------------------------------------------------------------------

void CMainFrame::readFromRadio() {
    if (!settleUnsavedChanges()) return;  // stores all editors too
    if (!runTransfer(TransferDirection::Read)) return;
    keepBackup(app::BackupKind::Read);
    m_state.bandLimits = image::decodeBandLimits(m_state.image);
    // Another radio's data is no longer the file opened before: Save must ask for a name.
    app::forgetCurrentFile(m_state);
    refreshBandIndicator();
    tellLoadCorrections(texts::tr(texts::kTheRadio));
    m_workspace->reloadAll(texts::tr(texts::kReadFromRadio));
    markClean();
    if (!m_workspace->hasOpenEditor()) openEditor(EditorKind::Channel);
}

// The write runner keeps the written backup (and with "Read the radio first" the radio's
// earlier contents); a write that fails part-way after such a read can be undone at once.
void CMainFrame::writeToRadio() {
    m_workspace->storeAll();
    TransferDialog dialog(TransferDirection::Write, m_state, m_prompts, m_link, this);
    dialog.exec();
    const radiolink::WriteResult& result = dialog.writeResult();
    if (!result.backupError.isEmpty()) m_prompts.report(texts::tr(texts::kBackupFailed).arg(result.backupError), app::Severity::Warning);
    if (dialog.succeeded()) {
        markClean();
        return;
    }
    if (!result.beforeBackup.isEmpty() && result.outcome.blocksDone > 0) offerRestore(result.beforeBackup, result.failure);
}

// Writes the radio's earlier contents back, as `qmr417-cli write --as-is --in` that file would; the
// configuration open in the program stays as it is.
void CMainFrame::offerRestore(const QString& backup, const QString& failure) {
    if (!m_prompts.askActionOrClose(texts::tr(texts::kPartialWriteRestore).arg(failure), texts::tr(texts::kRestore))) return;
    app::AppState radio;
    radio.config = m_state.config;
    radio.transferPassword = m_state.transferPassword;
    if (const image::FileResult loaded = image::readParameterFile(backup, radio.prefix, radio.image); !loaded.ok) {
        m_prompts.report(loaded.errorText, app::Severity::Critical);
        return;
    }
    TransferDialog restore(TransferDirection::Write, radio, m_prompts, m_link, this);
    restore.makeRestore();
    restore.exec();
}

void CMainFrame::keepBackup(app::BackupKind kind) {
    const app::BackupResult backup = app::saveBackup(m_state.config, m_state.prefix, m_state.image, kind);
    if (!backup.ok) m_prompts.report(texts::tr(texts::kBackupFailed).arg(backup.errorText), app::Severity::Warning);
}

void CMainFrame::openBackupFolder() {
    const QString folder = app::backupFolder(m_state.config);
    QDir().mkpath(folder);
    // Without a file manager (or any opener) the user still learns where the backups are.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        m_prompts.report(texts::tr(texts::kBackupFolderNotOpened).arg(QDir::toNativeSeparators(folder)),
                         app::Severity::Information);
}

bool CMainFrame::runTransfer(TransferDirection direction) {
    TransferDialog dialog(direction, m_state, m_prompts, m_link, this);
    dialog.exec();
    return dialog.succeeded();
}

// --- Print, help, about, windows -------------------------------------------------------

void CMainFrame::print() {
    // The layout counts in the printer's own dots (margins, gaps and the footer lift are
    // fixed numbers of them), so the printer must not pretend to have the screen's resolution.
    QPrinter printer(QPrinter::HighResolution);
    const QString name = config::printDocumentName(m_state.config);
    printer.setDocName(name);
    if (!m_choosePrinter(printer)) return;
    if (!config::printDocument(printer, printout(), [&printer] { printer.abort(); })) {
        const QString file = printer.outputFileName();
        m_prompts.message(texts::tr(texts::kPrintFailed).arg(file.isEmpty() ? printer.printerName() : file));
    }
}

bool CMainFrame::choosePrinterWithDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);  // no page range, selection or file
    return dialog.exec() == QDialog::Accepted;
}

void CMainFrame::about() {
    AboutDialog dialog(m_state.config, this);
    dialog.exec();
}

void CMainFrame::contextHelp() {
    // F1 inside an editor opens the editor's topic; anywhere else the main window's.
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<CMyChildFrame*>(w)) {
            frame->showHelp();
            return;
        }
    }
    m_help.showContext(kMainFrameHelpId - kHelpIdCommandBase);
}

void CMainFrame::helpTopics() { m_help.showDefaultTopic(); }

void CMainFrame::cascade() { m_mdi->cascadeSubWindows(); }

void CMainFrame::tile() { m_mdi->tileSubWindows(); }

void CMainFrame::arrangeIcons() {
    // Minimised editor windows line up along the bottom edge of the client area.
    int x = 0;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, m_mdi->viewport()->height() - size.height());
        x += size.width();
    }
}

} // namespace shell
