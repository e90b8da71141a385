#include "shell/main_frame.h"

#include "shell/about_dialog.h"
#include "app/app_files.h"
#include "shell/child_frame.h"
#include "shell/model_dialog.h"
#include "shell/port_dialog.h"
#include "shell/print_job.h"
#include "shell/print_texts.h"
#include "shell/shell_texts.h"
#include "shell/transfer_dialog.h"

#include <QApplication>
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

namespace shell {

namespace {

const QString kDatSuffix = QStringLiteral("dat");

// The first local ".dat" file among dropped URLs; empty when there is none.
QString droppedParameterFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).suffix().compare(kDatSuffix, Qt::CaseInsensitive) == 0) return path;
    }
    return {};
}

} // namespace

CMainFrame::CMainFrame(app::AppState& state, app::Prompts& prompts, HelpService& help, EditorFactories editors,
                       LinkServices link, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompts(prompts), m_help(help), m_link(std::move(link)) {
    setObjectName(QStringLiteral("mainFrame"));
    if (const QScreen* screen = QApplication::primaryScreen()) setGeometry(screen->availableGeometry());
    updateTitle();
    setAcceptDrops(true);
    m_choosePrinter = [this](QPrinter& printer) { return choosePrinterWithDialog(printer); };

    m_mdi = new QMdiArea;
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdi);
    m_workspace = new EditorWorkspace(m_mdi, editorEnv(), std::move(editors), this);

    createActions();
    createToolBar();
    createStatusBar();
    createTreeBar();
    createMenus();

    app::loadDefaultFile(m_state);
    openEditor(EditorKind::Channel);
    m_comPane->setText(m_state.config.portName);
    m_freqPane->setText(image::kInitialBandIndicator);
    refreshBandIndicator();
}

CMainFrame::~CMainFrame() { m_workspace->detach(); }

EditorEnv CMainFrame::editorEnv() { return EditorEnv{m_state, m_prompts, m_help}; }

void CMainFrame::refreshBandIndicator() { m_freqPane->setText(image::bandIndicatorText(m_state.bandLimits)); }

void CMainFrame::updateTitle() { setWindowTitle(app::windowTitle(m_state.config)); }

// --- File -----------------------------------------------------------------------------

void CMainFrame::newFile() {
    if (!m_prompts.askYesNo(texts::kNewQuestion, texts::kNewCaption)) return;
    app::loadDefaultFile(m_state);  // a missing "Default.dat" keeps the data as it is
    app::forgetCurrentFile(m_state);
    updateTitle();
    refreshBandIndicator();
    m_workspace->reloadAll();
}

void CMainFrame::open() {
    const QString path = m_prompts.askOpenFileName({texts::kFileFilter, m_state.config.dataDir, QString()});
    if (path.isEmpty()) return;
    openPath(path);
}

void CMainFrame::openPath(const QString& path) {
    const image::FileResult result = app::openParameterFile(m_state, path);
    if (!result.ok) {
        m_prompts.message(result.errorText);
        return;
    }
    refreshBandIndicator();
    m_workspace->reloadAll();
    updateTitle();
    if (!m_workspace->hasOpenEditor()) openEditor(EditorKind::Channel);
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

void CMainFrame::saveAsFromDialog() {
    const QString path = m_prompts.askSaveFileName(
        {texts::kFileFilter, m_state.config.dataDir, m_state.config.defaultDataFileName});
    if (path.isEmpty()) return;
    writeTo(path);
}

void CMainFrame::writeTo(const QString& path) {
    const image::FileResult result = app::saveParameterFile(m_state, path);
    if (!result.ok) {
        m_prompts.message(result.errorText);
        return;
    }
    updateTitle();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedParameterFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = droppedParameterFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    openPath(path);
}

// --- Model, editors, port, password ----------------------------------------------------

void CMainFrame::showModel() {
    m_workspace->storeAll();
    ModelDialog dialog(m_state.config.modelName, m_state.bandLimits, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_state.bandLimits = dialog.limits();
        // The next store would carry the limits into the image, but with no editor open none
        // comes before a Save or Write; so they go in now.
        image::encodeBandLimits(m_state.bandLimits, m_state.image);
        m_workspace->reloadAll();
    }
    refreshBandIndicator();
}

void CMainFrame::openEditor(EditorKind kind) { m_workspace->open(kind); }

void CMainFrame::showPort() {
    PortDialog dialog(m_state.config, m_link, this);
    if (dialog.exec() == QDialog::Accepted) m_comPane->setText(m_state.config.portName);
}

void CMainFrame::setPassword() {
    const QString current = QString::fromLatin1(image::programPasswordDigits(m_state.image));
    if (const auto entry = m_prompts.askPassword(app::PasswordMode::SetProgramPassword, current))
        image::setProgramPassword(m_state.image, *entry);
}

// --- Radio ---------------------------------------------------------------------------------

void CMainFrame::readFromRadio() {
    m_workspace->storeAll();
    if (!runTransfer(TransferDirection::Read)) return;
    m_state.bandLimits = image::decodeBandLimits(m_state.image);
    refreshBandIndicator();
    m_workspace->reloadAll();
    if (!m_workspace->hasOpenEditor()) openEditor(EditorKind::Channel);
}

void CMainFrame::writeToRadio() {
    m_workspace->storeAll();
    runTransfer(TransferDirection::Write);
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
    const QString name = printDocumentName(m_state.config);
    printer.setDocName(name);
    if (!m_choosePrinter(printer)) return;
    if (!printDocument(printer, name, printText()))
        m_prompts.message(texts::kPrintFailed.arg(printer.printerName()));
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
