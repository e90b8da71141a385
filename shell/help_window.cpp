#include "shell/help_window.h"

#include <QFile>
#include <QMainWindow>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

namespace {

const QString kPagesRoot = QStringLiteral(":/help/");
constexpr QSize kWindowSize(640, 560);

QUrl pageUrl(const QString& page) { return QUrl(QStringLiteral("qrc") + kPagesRoot + page); }

} // namespace

QUrl helpStartPageUrl() { return pageUrl(kHelpStartPage); }

QUrl helpPageUrl(int context) {
    for (const HelpTopic& topic : kHelpTopics) {
        const QString page = QLatin1String(topic.page);
        if (topic.context == context && QFile::exists(kPagesRoot + page)) return pageUrl(page);
    }
    return helpStartPageUrl();
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(kHelpWindowTitle);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(kWindowSize);
}

void HelpWindow::showPage(const QUrl& page) {
    m_browser->setSource(page);
    if (!m_placed) placeBesideWork();
    show();
    raise();
    activateWindow();
}

// The first time, the window stands at the right of the main window's work area, below its
// menu and toolbar, so it covers neither the commands nor the left of the editors.
void HelpWindow::placeBesideWork() {
    m_placed = true;
    const auto* main = qobject_cast<const QMainWindow*>(parentWidget());
    const QWidget* work = main ? main->centralWidget() : nullptr;
    if (!work) return;
    const QPoint topRight = work->mapToGlobal(QPoint(work->width(), 0));
    move(std::max(topRight.x() - width(), 0), topRight.y());
}

QUrl HelpWindow::currentPage() const { return m_browser->source(); }

HelpWindow* BuiltInHelp::ensureWindow() {
    if (!m_window) m_window = new HelpWindow(m_parent);
    return m_window;
}

void BuiltInHelp::showContext(int context) { ensureWindow()->showPage(helpPageUrl(context)); }

void BuiltInHelp::showDefaultTopic() { ensureWindow()->showPage(helpStartPageUrl()); }

} // namespace shell
