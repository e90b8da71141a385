// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/csv_import_dialog.h"

#include "forms/form_widgets.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

namespace {

namespace text {
const QString kTitle = QStringLiteral("Import Channels (CSV)");
const QString kAtLocation = QStringLiteral("Each row into the channel its Location names");
const QString kNextEmpty = QStringLiteral("Rows into the next empty channels");
const QString kSummary = QStringLiteral("%1: %2 to import, %3 left out, %4.");
const QString kChannel = QStringLiteral("channel");
const QString kChannels = QStringLiteral("channels");
const QString kRow = QStringLiteral("row");
const QString kRows = QStringLiteral("rows");
const QString kWarning = QStringLiteral("warning");
const QString kWarnings = QStringLiteral("warnings");
const QString kCannotUse = QStringLiteral("%1 cannot be imported: %2");
const QString kNothingToReport = QStringLiteral("Every row can be imported as it is.");
const QString kImport = QStringLiteral("Import");
} // namespace text

constexpr int kReportWidth = 560;
constexpr int kReportHeight = 240;

} // namespace

CsvImportDialog::CsvImportDialog(const QString& fileName, Planner planner, QWidget* parent)
    : QDialog(parent), m_fileName(fileName), m_planner(std::move(planner)) {
    setWindowTitle(text::kTitle);
    setObjectName(QStringLiteral("csvImportDialog"));
    m_atLocation = new QRadioButton(text::kAtLocation, this);
    m_atLocation->setObjectName(QStringLiteral("atLocation"));
    m_atLocation->setChecked(true);
    m_nextEmpty = new QRadioButton(text::kNextEmpty, this);
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
    m_import = buttons->addButton(text::kImport, QDialogButtonBox::AcceptRole);
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
        m_summary->setText(text::kCannotUse.arg(m_fileName, m_plan.error));
        m_report->clear();
    } else {
        using channels::csv::counted;
        m_summary->setText(text::kSummary.arg(m_fileName,
                                              counted(m_plan.channels.size(), text::kChannel, text::kChannels),
                                              counted(m_plan.refused.size(), text::kRow, text::kRows),
                                              counted(m_plan.warningCount(), text::kWarning, text::kWarnings)));
        const QStringList lines = channels::csv::reportLines(m_plan);
        m_report->setPlainText(lines.isEmpty() ? text::kNothingToReport : lines.join(u'\n'));
    }
    m_import->setEnabled(m_plan.ok() && !m_plan.channels.empty());
}

} // namespace shell
