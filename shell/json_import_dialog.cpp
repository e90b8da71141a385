// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/json_import_dialog.h"

#include "forms/form_widgets.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

namespace text {
const QString kTitle = QStringLiteral("Import Configuration (JSON)");
const QString kReady = QStringLiteral("%1: %2. Nothing changes until Import; Undo takes the import back.");
const QString kRefused = QStringLiteral("%1 cannot be imported: %2. Nothing changes.");
const QString kProblems = QStringLiteral("Problems and warnings");
const QString kNothingToReport = QStringLiteral("Every value can be taken as it is.");
const QString kImport = QStringLiteral("Import");
const QString kCancel = QStringLiteral("Cancel");
const QString kClose = QStringLiteral("Close");
} // namespace text

constexpr int kReportWidth = 640;
constexpr int kReportHeight = 260;

QString counted(int count, const QString& noun) {
    return QStringLiteral("%1 %2%3").arg(count).arg(noun, count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

JsonImportDialog::JsonImportDialog(const QString& fileName, const config::ApplyResult& result, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(text::kTitle);
    setObjectName(QStringLiteral("jsonImportDialog"));
    const QString counts = counted(result.errors(), QStringLiteral("error")) + QStringLiteral(", ") +
                           counted(result.warnings(), QStringLiteral("warning"));
    m_summary = new QLabel(result.applied ? text::kReady.arg(fileName, counts) : text::kRefused.arg(fileName, counts), this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);

    auto* reportLabel = new QLabel(text::kProblems, this);
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("report"));
    m_report->setReadOnly(true);
    m_report->setMinimumSize(kReportWidth, kReportHeight);
    m_report->setAccessibleName(text::kProblems);
    reportLabel->setBuddy(m_report);
    QStringList lines;
    for (const app::report::Problem& problem : result.problems) lines.append(app::report::problemLine(problem));
    m_report->setPlainText(lines.isEmpty() ? text::kNothingToReport : lines.join(u'\n'));

    auto* buttons = new QDialogButtonBox(this);
    // A document that cannot be imported offers no Import at all (the button box would show
    // a button that is merely hidden).
    if (result.applied) {
        m_import = buttons->addButton(text::kImport, QDialogButtonBox::AcceptRole);
        m_import->setObjectName(QStringLiteral("import"));
        m_import->setAccessibleName(text::kImport);
    }
    const QString cancel = result.applied ? text::kCancel : text::kClose;
    m_cancel = buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAccessibleName(cancel);
    (m_import ? m_import : m_cancel)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(reportLabel);
    layout->addWidget(m_report);
    layout->addWidget(buttons);
    forms::addButtonMnemonics(this);
}

} // namespace shell
