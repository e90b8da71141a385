// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/csv_import_dialog.h"

#include "forms/form_widgets.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

namespace {

namespace text {
// In the user's language when shown.
QString tr(const char* text) { return QCoreApplication::translate("shell::CsvImportDialog", text); }
constexpr const char* kTitle = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "Import Channels (CSV)");
constexpr const char* kAtLocation = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "Each row into the channel its Location names");
constexpr const char* kNextEmpty = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "Rows into the next empty channels");
constexpr const char* kSummary = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "%1: %2 to import, %3 left out, %4.");
constexpr const char* kChannel = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "channel");
constexpr const char* kChannels = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "channels");
constexpr const char* kRow = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "row");
constexpr const char* kRows = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "rows");
constexpr const char* kWarning = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "warning");
constexpr const char* kWarnings = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "warnings");
constexpr const char* kCannotUse = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "%1 cannot be imported: %2");
constexpr const char* kNothingToReport = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "Every row can be imported as it is.");
constexpr const char* kImport = QT_TRANSLATE_NOOP("shell::CsvImportDialog", "Import");
} // namespace text

constexpr int kReportWidth = 560;
constexpr int kReportHeight = 240;

} // namespace

CsvImportDialog::CsvImportDialog(const QString& fileName, Planner planner, QWidget* parent)
    : QDialog(parent), m_fileName(fileName), m_planner(std::move(planner)) {
    setWindowTitle(text::tr(text::kTitle));
    setObjectName(QStringLiteral("csvImportDialog"));
    m_atLocation = new QRadioButton(text::tr(text::kAtLocation), this);
    m_atLocation->setObjectName(QStringLiteral("atLocation"));
    m_atLocation->setChecked(true);
    m_nextEmpty = new QRadioButton(text::tr(text::kNextEmpty), this);
    m_nextEmpty->setObjectName(QStringLiteral("nextEmpty"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("report"));
    m_report->setReadOnly(true);
    m_summary->setBuddy(m_report);  // a screen reader names the report by the summary above it
    m_report->setMinimumSize(kReportWidth, kReportHeight);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(text::tr(text::kImport), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_atLocation, &QRadioButton::toggled, this, &CsvImportDialog::replan);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_atLocation);
    layout->addWidget(m_nextEmpty);
    layout->addWidget(m_summary);
    layout->addWidget(m_report);
    layout->addWidget(buttons);
    replan();
    forms::addButtonMnemonics(this);
}

void CsvImportDialog::replan() {
    using channels::csv::Placement;
    m_plan = m_planner(m_atLocation->isChecked() ? Placement::AtLocation : Placement::NextEmpty);
    if (!m_plan.ok()) {
        m_summary->setText(text::tr(text::kCannotUse).arg(m_fileName, m_plan.error));
        m_report->clear();
    } else {
        using channels::csv::counted;
        m_summary->setText(text::tr(text::kSummary).arg(m_fileName,
                                              counted(m_plan.channels.size(), text::tr(text::kChannel), text::tr(text::kChannels)),
                                              counted(m_plan.refused.size(), text::tr(text::kRow), text::tr(text::kRows)),
                                              counted(m_plan.warningCount(), text::tr(text::kWarning), text::tr(text::kWarnings))));
        const QStringList lines = channels::csv::reportLines(m_plan);
        m_report->setPlainText(lines.isEmpty() ? text::tr(text::kNothingToReport) : lines.join(u'\n'));
    }
    m_import->setEnabled(m_plan.ok() && !m_plan.channels.empty());
}

} // namespace shell
