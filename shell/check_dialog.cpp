// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/check_dialog.h"

#include "forms/form_widgets.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {

namespace {

constexpr int kMinimumWidth = 720;
constexpr int kMinimumHeight = 300;
constexpr int kSectionColumn = 0;
constexpr int kFieldColumn = 1;

QString summaryText(qsizetype findings) {
    if (findings == 0) return CheckDialog::tr(CheckDialog::kNone);
    if (findings == 1) return CheckDialog::tr(CheckDialog::kOne);
    return CheckDialog::tr(CheckDialog::kMany, nullptr, int(findings));
}

} // namespace

CheckDialog::CheckDialog(Checker check, EditorOpener openEditor, QWidget* parent)
    : QDialog(parent), m_check(std::move(check)), m_openEditor(std::move(openEditor)), m_summary(new QLabel),
      m_list(new QTreeWidget) {
    setObjectName(QStringLiteral("checkDialog"));
    setWindowTitle(tr(kTitle));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_list->setObjectName(QStringLiteral("findings"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr(kSection), tr(kField), tr(kFinding)});
    m_summary->setBuddy(m_list);  // a screen reader names the list by the count above it

    auto* buttons = new QDialogButtonBox;
    QPushButton* again = buttons->addButton(tr(kCheckAgain), QDialogButtonBox::ActionRole);
    again->setObjectName(QStringLiteral("checkAgainButton"));
    again->setAutoDefault(false);
    QPushButton* close = buttons->addButton(tr(kClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    connect(again, &QPushButton::clicked, this, &CheckDialog::refresh);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double-click on a finding opens its editor, and so does Enter.
    connect(m_list, &QTreeWidget::itemActivated, this, [this](const QTreeWidgetItem* item) { openEditorOf(item); });
    refresh();
    forms::addButtonMnemonics(this);
}

void CheckDialog::refresh() {
    const QList<app::check::Finding> findings = m_check ? m_check() : QList<app::check::Finding>();
    m_list->clear();
    for (const app::check::Finding& f : findings)
        new QTreeWidgetItem(m_list, {app::shownName(f.section), f.field, f.message});
    for (int column = 0; column < m_list->columnCount(); ++column) m_list->resizeColumnToContents(column);
    if (m_list->topLevelItemCount() > 0) m_list->setCurrentItem(m_list->topLevelItem(0));
    m_summary->setText(summaryText(findings.size()));
}

void CheckDialog::openEditorOf(const QTreeWidgetItem* item) {
    if (item && m_openEditor) m_openEditor(item->text(kSectionColumn), item->text(kFieldColumn));
}

} // namespace shell
