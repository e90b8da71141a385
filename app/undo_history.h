// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo over the whole configuration. The image is 16 KB, so a step is simply the
// state before it: the image and the band limits. The main window records after anything
// that may have changed them (a store of the editors, a committed cell, a row command, an
// import, a model change, a read); a record that finds no change adds no step.
//
// Every state recorded is one the open editors have stored after loading it, so storing
// them again changes nothing: undo and redo land on states no store turns into a new step.
//
// Each step keeps the name of the command that made it ("Paste", "Model"), so Undo and Redo
// can say which step they take.

#include "app/config_snapshot.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <optional>

namespace app {

class UndoHistory {
public:
    static constexpr std::size_t kDefaultDepth = 200;

    explicit UndoHistory(std::size_t depth = kDefaultDepth);

    // Forgets every step: `current` is where the history starts (after New or Open).
    void reset(const ConfigSnapshot& current);
    // When `current` differs from the state at the last step, the difference becomes one step
    // named `name` and the steps that could be redone are gone. True when a step was added.
    bool record(const ConfigSnapshot& current, const QString& name = {});
    // The state at the last step becomes `current` without a new step: a change no user made
    // (the corrections an editor's store applies to bytes it just loaded) is nothing to undo.
    void replaceCurrent(const ConfigSnapshot& current) { m_current = current; }
    const ConfigSnapshot& current() const { return m_current; }

    // Both record `current` first, so an edit not yet recorded is the step undone (and a new
    // edit leaves nothing to redo). The state to restore, or nothing.
    std::optional<ConfigSnapshot> undo(const ConfigSnapshot& current);
    std::optional<ConfigSnapshot> redo(const ConfigSnapshot& current);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    std::size_t undoSteps() const { return m_undo.size(); }
    // The names of the steps undo and redo would take; empty when there is none.
    QString undoName() const { return m_undo.empty() ? QString() : m_undo.back().name; }
    QString redoName() const { return m_redo.empty() ? QString() : m_redo.back().name; }

private:
    struct Step {
        ConfigSnapshot state;  // before the step in the undo list, after it in the redo list
        QString name;
    };

    std::size_t m_depth;
    std::deque<Step> m_undo;  // oldest first
    std::deque<Step> m_redo;  // the next redo last
    ConfigSnapshot m_current;  // the state at the last step
};

} // namespace app
