// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolbar pictures and the program's icon, drawn with vector strokes at whatever pixel size the screen asks
// for, so they stay sharp at every scale factor.

#include <QIcon>

namespace shell {

enum class ToolbarIcon { New, Open, Save, Read, Port, Write, Print, About };

QIcon toolbarIcon(ToolbarIcon which);

// The program's icon, which every window and dialog carries.
QIcon applicationIcon();

} // namespace shell
