// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Check Configuration": the findings of the configuration check, one a row (section, field,
// finding). It stays open beside the editors: double-clicking a finding opens the editor
// where it is mended, and "Check Again" checks what the editors hold now.

#include "config/config_check.h"

#include <QDialog>

#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace shell {

class CheckDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = QT_TR_NOOP("Check Configuration");
    static constexpr const char* kSection = QT_TR_NOOP("Section");
    static constexpr const char* kField = QT_TR_NOOP("Field");
    static constexpr const char* kFinding = QT_TR_NOOP("Finding");
    static constexpr const char* kCheckAgain = QT_TR_NOOP("Check Again");
    static constexpr const char* kClose = QT_TR_NOOP("Close");
    static constexpr const char* kNone = QT_TR_NOOP("No findings: the configuration's settings fit together.");
    static constexpr const char* kOne = QT_TR_NOOP("1 finding. Double-click it to open its editor.");
    static constexpr const char* kMany = QT_TR_N_NOOP("%n findings. Double-click one to open its editor.");

    // `check` stores the editors and checks the configuration; `openEditor` opens the
    // editor of a section (its tree text) at the field named (a channel's row and column).
    using Checker = std::function<QList<app::check::Finding>()>;
    using EditorOpener = std::function<void(const QString& section, const QString& field)>;
    CheckDialog(Checker check, EditorOpener openEditor, QWidget* parent = nullptr);

    // Checks again and shows the findings.
    void refresh();

private:
    void openEditorOf(const QTreeWidgetItem* item);

    Checker m_check;
    EditorOpener m_openEditor;
    QLabel* m_summary;
    QTreeWidget* m_list;
};

} // namespace shell
