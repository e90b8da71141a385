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
    static inline const QString kTitle = QStringLiteral("Compare With Radio");
    static inline const QString kSection = QStringLiteral("Section");
    static inline const QString kField = QStringLiteral("Field");
    static inline const QString kThisFile = QStringLiteral("This File");
    static inline const QString kTheRadio = QStringLiteral("The Radio");
    static inline const QString kSaveRadio = QStringLiteral("Save Radio Configuration As...");
    static inline const QString kClose = QStringLiteral("Close");
    static inline const QString kSame = QStringLiteral("The radio holds the same configuration as this file.");
    static inline const QString kOneDiffers = QStringLiteral("1 field differs between this file and the radio.");
    static inline const QString kManyDiffer = QStringLiteral("%1 fields differ between this file and the radio.");
    static inline const QString kEmptyValue = QStringLiteral("(empty)");
    static inline const QString kSavedAs = QStringLiteral("The radio's configuration was saved as %1.");

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
