// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help_window.h"

#include "config/editor_table.h"
#include "shell/child_frame.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace shell {

namespace {

const QString kPagesRoot = QStringLiteral(":/help/");
constexpr QSize kWindowSize(640, 560);
constexpr int kMinimumWidth = 360;  // narrower than this the pages wrap too much to read
constexpr int kGap = 8;             // between the editor's fields and the help
// Room for the window frame the desktop adds around the window (title bar, borders).
constexpr int kFrameTop = 32;
constexpr int kFrameSide = 8;

// A page in `language` where the program carries it (":/help/de/dtmf.html"), else in English.
QUrl pageUrl(const QString& page, const QString& language) {
    const QString translated = language + u'/' + page;
    const bool carried = !language.isEmpty() && QFile::exists(kPagesRoot + translated);
    return QUrl(QStringLiteral("qrc") + kPagesRoot + (carried ? translated : page));
}

// The right edge (global) of what a widget shows: a table ends after its last column, a
// label after its text; other fields use their width. Containers give their children's.
int usedRight(const QWidget* widget) {
    if (!widget->isVisible()) return std::numeric_limits<int>::min();
    const int left = widget->mapToGlobal(QPoint(0, 0)).x();
    if (const auto* table = qobject_cast<const QTableView*>(widget))
        return left + 2 * table->frameWidth() + table->verticalHeader()->width() + table->horizontalHeader()->length();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return left + std::min(widget->width(), label->sizeHint().width());
    if (qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QComboBox*>(widget) ||
        qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
        widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
        return left + widget->width();
    int right = std::numeric_limits<int>::min();
    for (const QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() == false) right = std::max(right, usedRight(child));
    return right;
}

// The editor in front of the main window's work area, if any (without its Close and Help bar).
const QWidget* frontEditor(const QWidget* work) {
    const auto* area = qobject_cast<const QMdiArea*>(work);
    const auto* frame = area ? qobject_cast<const CMyChildFrame*>(area->activeSubWindow()) : nullptr;
    return frame ? frame->view() : nullptr;
}

} // namespace

QUrl helpStartPageUrl(const QString& language) { return pageUrl(kHelpStartPage, language); }

QUrl helpPageUrl(int context, const QString& language) {
    for (const config::Editor& editor : config::kEditors) {
        const QString page = QLatin1String(editor.helpPage);
        if (editor.helpContext == context && QFile::exists(kPagesRoot + page)) return pageUrl(page, language);
    }
    return helpStartPageUrl(language);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QCoreApplication::translate("shell::HelpWindow", kHelpWindowTitle));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(windowTitle());
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

// The first time, the window stands beside the editor in front, right of its fields and
// below the main window's menu and toolbar, and wholly on the screen: narrower when the room
// beside the editor is short, over the editor's right part only when even that is too little.
void HelpWindow::placeBesideWork() {
    m_placed = true;
    const auto* main = qobject_cast<const QMainWindow*>(parentWidget());
    const QWidget* work = main ? main->centralWidget() : nullptr;
    const QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (!work || !screen) return;
    QRect room = screen->availableGeometry().adjusted(kFrameSide, kFrameTop, -kFrameSide, -kFrameSide);
    // The status bar stays visible below it.
    room.setBottom(std::min(room.bottom(), work->mapToGlobal(QPoint(0, work->height() - 1)).y()));
    const QWidget* editor = frontEditor(work);
    const int fieldsRight = editor ? usedRight(editor) : work->mapToGlobal(QPoint(0, 0)).x();

    const int width = std::clamp(room.right() - fieldsRight - kGap, kMinimumWidth, kWindowSize.width());
    const int left = std::clamp(fieldsRight + kGap, room.left(), std::max(room.left(), room.right() + 1 - width));
    const int top = std::clamp(work->mapToGlobal(QPoint(0, 0)).y(), room.top(), room.bottom());
    // A narrower window gets the height the screen has below the toolbar instead.
    const int wanted = width < kWindowSize.width() ? room.height() : kWindowSize.height();
    const int height = std::min(wanted, room.bottom() + 1 - top);
    resize(std::min(width, room.width()), std::max(height, 1));
    move(left, top);
}

QUrl HelpWindow::currentPage() const { return m_browser->source(); }

HelpWindow* BuiltInHelp::ensureWindow() {
    if (!m_window) m_window = new HelpWindow(m_parent);
    return m_window;
}

void BuiltInHelp::showContext(int context) { ensureWindow()->showPage(helpPageUrl(context, m_language)); }

void BuiltInHelp::showDefaultTopic() { ensureWindow()->showPage(helpStartPageUrl(m_language)); }

} // namespace shell
