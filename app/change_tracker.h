// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Knows whether the configuration differs from the one last opened, saved, read from or
// written to a radio: a copy is kept at those moments and compared with the configuration
// after a store of the editors. No bookkeeping per edit.
//
// The editors store once right after they load (see EditorWorkspace), so what they correct
// in bytes as loaded is written before anyone compares. Such a correction is nobody's
// change: `follow` moves the clean copy along with it.

#include "app/config_snapshot.h"

namespace app {

class ChangeTracker {
public:
    void markClean(const ConfigSnapshot& now) { m_clean = now; }
    // A correction no user made turned `before` into `after`: when `before` was clean, so is
    // `after`.
    void follow(const ConfigSnapshot& before, const ConfigSnapshot& after) {
        if (before == m_clean) m_clean = after;
    }
    bool differs(const ConfigSnapshot& now) const { return !(now == m_clean); }

private:
    ConfigSnapshot m_clean;
};

} // namespace app
