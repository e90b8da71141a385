// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Compare With Radio": the fields in which the radio differs from the open configuration,
// one a row (section, field, this file, the radio), and "Save Radio Configuration As..."
// to keep what the radio holds as a parameter file. The open configuration is not touched.

#include "config/config_report.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace shell {

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = QT_TR_NOOP("Compare With Radio");
    static constexpr const char* kSection = QT_TR_NOOP("Section");
    static constexpr const char* kField = QT_TR_NOOP("Field");
    static constexpr const char* kThisFile = QT_TR_NOOP("This File");
    static constexpr const char* kTheRadio = QT_TR_NOOP("The Radio");
    static constexpr const char* kSaveRadio = QT_TR_NOOP("Save Radio Configuration As...");
    static constexpr const char* kClose = QT_TR_NOOP("Close");
    static constexpr const char* kSame = QT_TR_NOOP("The radio holds the same configuration as this file.");
    static constexpr const char* kOneDiffers = QT_TR_NOOP("1 field differs between this file and the radio.");
    static constexpr const char* kManyDiffer = QT_TR_N_NOOP("%n fields differ between this file and the radio.");
    static constexpr const char* kEmptyValue = QT_TR_NOOP("(empty)");
    static constexpr const char* kSavedAs = QT_TR_NOOP("The radio's configuration was saved as %1.");

    // Saves the radio's configuration where the user chooses; the path, or empty when
    // nothing was saved (cancelled, or a failure the saver reported).
    using RadioSaver = std::function<QString()>;
    CompareDialog(const QList<config::Difference>& differences, RadioSaver saveRadio, QWidget* parent = nullptr);

private:
    void saveRadio();

    RadioSaver m_saveRadio;
    QString m_summaryText;  // what differs; a save adds a line below it
    QLabel* m_summary;
    QTreeWidget* m_list;
    QPushButton* m_save;
};

} // namespace shell
