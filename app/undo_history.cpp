// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/undo_history.h"

namespace app {

UndoHistory::UndoHistory(std::size_t depth) : m_depth(depth < 1 ? 1 : depth) {}

void UndoHistory::reset(const ConfigSnapshot& current) {
    m_undo.clear();
    m_redo.clear();
    m_current = current;
}

bool UndoHistory::record(const ConfigSnapshot& current, const QString& name) {
    if (current == m_current) return false;
    m_undo.push_back({m_current, name});
    if (m_undo.size() > m_depth) m_undo.pop_front();
    m_redo.clear();
    m_current = current;
    return true;
}

std::optional<ConfigSnapshot> UndoHistory::undo(const ConfigSnapshot& current) {
    record(current);
    if (m_undo.empty()) return std::nullopt;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back({m_current, step.name});
    m_current = std::move(step.state);
    return m_current;
}

std::optional<ConfigSnapshot> UndoHistory::redo(const ConfigSnapshot& current) {
    record(current);
    if (m_redo.empty()) return std::nullopt;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back({m_current, step.name});
    m_current = std::move(step.state);
    return m_current;
}

} // namespace app
