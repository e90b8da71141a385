// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/check_model.h"

#include "app/check_texts.h"

namespace app::check {

Finding finding(const EditorNames& editor, const QString& field, const QString& message) {
    return {sectionTitle(editor), field, message};
}

QString sectionTitle(const EditorNames& editor) { return QString::fromLatin1(editor.treeText); }

// The section is the editor's English name (the key the windows find its editor by), shown
// in the user's language.
QString findingText(const Finding& f) {
    return texts::kFindingText.arg(shownName(f.section), f.field, f.message);
}

QString findingLine(const QString& radio, const Finding& f) { return texts::kFindingLine.arg(radio, findingText(f)); }

} // namespace app::check
