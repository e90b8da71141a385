// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/compare_dialog.h"

#include "forms/form_widgets.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

namespace {

constexpr int kMinimumWidth = 720;
constexpr int kMinimumHeight = 360;
constexpr int kInitialWidth = 980;
constexpr int kInitialHeight = 480;
// A whole channel "(not in use)" on one side makes a long value: the two value columns are
// kept narrow enough to show both sides, and the whole text stands in the cell's tooltip.
constexpr int kValueColumnMaxWidth = 320;
constexpr int kFirstValueColumn = 2;

QString summaryText(qsizetype differences) {
    if (differences == 0) return CompareDialog::tr(CompareDialog::kSame);
    if (differences == 1) return CompareDialog::tr(CompareDialog::kOneDiffers);
    return CompareDialog::tr(CompareDialog::kManyDiffer, nullptr, int(differences));
}

} // namespace

CompareDialog::CompareDialog(const QList<config::Difference>& differences, RadioSaver saveRadio, QWidget* parent)
    : QDialog(parent), m_saveRadio(std::move(saveRadio)), m_summaryText(summaryText(differences.size())),
      m_summary(new QLabel(m_summaryText)),
      m_list(new QTreeWidget), m_save(new QPushButton(tr(kSaveRadio))) {
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr(kTitle));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextFormat(Qt::PlainText);

    m_list->setObjectName(QStringLiteral("differences"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr(kSection), tr(kField), tr(kThisFile), tr(kTheRadio)});
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_summary->setBuddy(m_list);  // a screen reader names the list by the count above it
    // A value one side lacks is said, not left blank: a blank reads as a list not filled in.
    const QString empty = tr(kEmptyValue);
    const auto shown = [&empty](const QString& value) { return value.isEmpty() ? empty : value; };
    for (const config::Difference& d : differences) {
        auto* item = new QTreeWidgetItem(m_list, {d.section, d.label, shown(d.before), shown(d.after)});
        item->setToolTip(kFirstValueColumn, shown(d.before));
        item->setToolTip(kFirstValueColumn + 1, shown(d.after));
    }
    for (int column = 0; column < m_list->columnCount(); ++column) {
        m_list->resizeColumnToContents(column);
        if (column >= kFirstValueColumn)
            m_list->setColumnWidth(column, std::min(m_list->columnWidth(column), kValueColumnMaxWidth));
    }

    m_save->setObjectName(QStringLiteral("saveRadioButton"));
    m_save->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(m_save, QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(tr(kClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    connect(m_save, &QPushButton::clicked, this, &CompareDialog::saveRadio);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    forms::addButtonMnemonics(this);
    // At least its usual size, and as large as a large font needs.
    resize(sizeHint().expandedTo(QSize(kInitialWidth, kInitialHeight)));
}

void CompareDialog::saveRadio() {
    const QString path = m_saveRadio ? m_saveRadio() : QString();
    if (path.isEmpty()) return;
    m_summary->setText(m_summaryText + u'\n' + tr(kSavedAs).arg(QDir::toNativeSeparators(path)));
}

} // namespace shell
