// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Import Channels (CSV)": before anything changes, the user sees how many channels the file
// brings, every row that will be left out and every warning, chooses where the rows go
// (their Location, or the next empty channels) and answers Import or Cancel.

#include "channels/channel_csv.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace shell {

class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    // `planner` works out the import for a placement; it is asked again when the user
    // changes the placement.
    using Planner = std::function<channels::csv::ImportPlan(channels::csv::Placement)>;
    CsvImportDialog(const QString& fileName, Planner planner, QWidget* parent = nullptr);

    // The plan for the placement chosen last.
    const channels::csv::ImportPlan& plan() const { return m_plan; }

private:
    void replan();

    QString m_fileName;
    Planner m_planner;
    channels::csv::ImportPlan m_plan;
    QRadioButton* m_atLocation;
    QRadioButton* m_nextEmpty;
    QLabel* m_summary;
    QPlainTextEdit* m_report;
    QPushButton* m_import;
};

} // namespace shell
