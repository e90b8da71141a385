// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a leave-field rule made of a value the user typed. A value the radio cannot hold is
// corrected, never refused; the rule that corrects it also says so, in one sentence from its
// editor's texts ("RX 999 lies outside 136-174 MHz: set to 136.00000"), which the editor shows
// in the status bar. A value taken as typed says nothing.

#include <QString>

namespace app {

struct Correction {
    QString note;  // empty: the value was taken as typed

    bool corrected() const { return !note.isEmpty(); }
    bool operator==(const Correction&) const = default;
};

} // namespace app
