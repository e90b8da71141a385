// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/child_frame.h"

#include "shell/shell_texts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

CMyChildFrame::CMyChildFrame(EditorKind kind, CBaseFormView* view, HelpService& help, QWidget* parent)
    : QMdiSubWindow(parent), m_kind(kind), m_view(view), m_help(help) {
    const Editor& info = editorInfo(kind);
    setObjectName(QLatin1String(info.objectName) + QStringLiteral("Frame"));
    setWindowTitle(app::shownName(info.windowTitle));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(makeBottomBar());
    setWidget(content);

}

QWidget* CMyChildFrame::makeBottomBar() {
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("bottomBar"));
    auto* layout = new QHBoxLayout(bar);
    layout->addStretch(1);
    auto* close = new QPushButton(texts::tr(texts::kClose));
    close->setObjectName(QStringLiteral("closeButton"));
    auto* help = new QPushButton(texts::tr(texts::kHelp));
    help->setObjectName(QStringLiteral("helpButton"));
    layout->addWidget(close);
    layout->addWidget(help);
    connect(close, &QPushButton::clicked, this, &QMdiSubWindow::close);
    connect(help, &QPushButton::clicked, this, &CMyChildFrame::showHelp);
    return bar;
}

void CMyChildFrame::showHelp() {
    const int context = m_view->helpContext();
    if (context == 0)
        m_help.showDefaultTopic();
    else
        m_help.showContext(context);
}

namespace {

bool takesKeys(const QWidget* control) {
    return control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus);
}

} // namespace

void CMyChildFrame::focusEditor() {
    // A window keeps, along its children, which one last had the focus.
    if (QWidget* last = m_view->focusWidget(); last && last != m_view && takesKeys(last)) {
        last->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* control = m_view->nextInFocusChain(); control && control != m_view;
         control = control->nextInFocusChain()) {
        if (m_view->isAncestorOf(control) && takesKeys(control)) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_view->setFocus(Qt::OtherFocusReason);
}

void CMyChildFrame::closeEvent(QCloseEvent* event) {
    emit closing(this);
    QMdiSubWindow::closeEvent(event);
}

} // namespace shell
