// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Import Configuration (JSON)": before anything changes, the user sees every problem the
// document has, one line each as the command-line tool prints them, and answers Import or
// Cancel. A document with an error can only be closed: nothing of it is taken.

#include "config/config_apply.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace shell {

class JsonImportDialog : public QDialog {
    Q_OBJECT
public:
    JsonImportDialog(const QString& fileName, const config::ApplyResult& result, QWidget* parent = nullptr);

private:
    QLabel* m_summary;
    QPlainTextEdit* m_report;
    QPushButton* m_import = nullptr;
    QPushButton* m_cancel;
};

} // namespace shell
