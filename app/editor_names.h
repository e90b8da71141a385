// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How an editor is named wherever it shows: its menu item, tree item and window title (which
// differ for DTMF and Emergency Information), the key of its section in the configuration
// report and documents, and its help topic. Each editor declares its names next to its own
// texts; config/editor_table.h lists the editors.

#include <QCoreApplication>
#include <QString>

namespace app {

struct EditorNames {
    const char* menuText;
    const char* treeText;  // also the title of its report section and of its check findings
    const char* windowTitle;
    const char* objectName;  // of its menu action and its child frame
    const char* sectionKey;  // its section in the report's JSON and in a configuration document
    int helpContext;         // F1 in the editor
    const char* helpPage;    // the built-in help page for that context
    // Where the editor's labels are translated; the report's labels are the editor's, so the
    // windows show a report's labels in the user's language with it.
    const char* textsContext = nullptr;
};

// A menu item, tree item or window title in the user's language. The English names stay
// wherever files and the command line use them (report sections, check findings).
inline QString shownName(const char* name) { return QCoreApplication::translate("app::EditorNames", name); }
inline QString shownName(const QString& name) { return shownName(name.toUtf8().constData()); }

} // namespace app
