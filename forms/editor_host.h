// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window offers the editors beside the prompts and help: a short note in its
// status bar, shown for a few seconds and asking nothing (a typed value that was corrected),
// and its Undo and Redo commands, which an editor's context menu offers as well.

#include "app/correction.h"

#include <QList>

class QAction;

namespace forms {

class EditorHost {
public:
    virtual ~EditorHost() = default;
    // Shows what a leave-field rule corrected; a correction of nothing shows nothing.
    virtual void showCorrection(const app::Correction& correction) = 0;
    // Undo and Redo as the Edit menu shows them, named for the steps they take.
    virtual QList<QAction*> historyActions() { return {}; }
};

} // namespace forms
