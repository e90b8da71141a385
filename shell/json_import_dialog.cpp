// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/json_import_dialog.h"

#include "forms/form_widgets.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

namespace text {
// In the user's language when shown.
QString tr(const char* text) { return QCoreApplication::translate("shell::JsonImportDialog", text); }
constexpr const char* kTitle = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "Import Configuration (JSON)");
constexpr const char* kReady = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "%1: %2. Nothing changes until Import; Undo takes the import back.");
constexpr const char* kRefused = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "%1 cannot be imported: %2. Nothing changes.");
constexpr const char* kProblems = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "Problems and warnings");
constexpr const char* kNothingToReport = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "Every value can be taken as it is.");
constexpr const char* kImport = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "Import");
constexpr const char* kCancel = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "Cancel");
constexpr const char* kClose = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "Close");
constexpr const char* kError = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "error");
constexpr const char* kErrors = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "errors");
constexpr const char* kWarning = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "warning");
constexpr const char* kWarnings = QT_TRANSLATE_NOOP("shell::JsonImportDialog", "warnings");
} // namespace text

constexpr int kReportWidth = 640;
constexpr int kReportHeight = 260;

QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(text::tr(count == 1 ? one : many));
}

} // namespace

JsonImportDialog::JsonImportDialog(const QString& fileName, const config::ApplyResult& result, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(text::tr(text::kTitle));
    setObjectName(QStringLiteral("jsonImportDialog"));
    const QString counts = counted(result.errors(), text::kError, text::kErrors) + QStringLiteral(", ") +
                           counted(result.warnings(), text::kWarning, text::kWarnings);
    m_summary = new QLabel(result.applied ? text::tr(text::kReady).arg(fileName, counts) : text::tr(text::kRefused).arg(fileName, counts), this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);

    auto* reportLabel = new QLabel(text::tr(text::kProblems), this);
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("report"));
    m_report->setReadOnly(true);
    m_report->setMinimumSize(kReportWidth, kReportHeight);
    m_report->setAccessibleName(text::tr(text::kProblems));
    reportLabel->setBuddy(m_report);
    QStringList lines;
    for (const app::report::Problem& problem : result.problems) lines.append(app::report::problemLine(problem));
    m_report->setPlainText(lines.isEmpty() ? text::tr(text::kNothingToReport) : lines.join(u'\n'));

    auto* buttons = new QDialogButtonBox(this);
    // A document that cannot be imported offers no Import at all (the button box would show
    // a button that is merely hidden).
    if (result.applied) {
        m_import = buttons->addButton(text::tr(text::kImport), QDialogButtonBox::AcceptRole);
        m_import->setObjectName(QStringLiteral("import"));
        m_import->setAccessibleName(text::tr(text::kImport));
    }
    const QString cancel = result.applied ? text::tr(text::kCancel) : text::tr(text::kClose);
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
