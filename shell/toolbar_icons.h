#pragma once
// The toolbar pictures, drawn with vector strokes at whatever pixel size the screen asks
// for, so they stay sharp at every scale factor.

#include <QIcon>

namespace shell {

enum class ToolbarIcon { New, Open, Save, Read, Port, Write, Print, About };

QIcon toolbarIcon(ToolbarIcon which);

} // namespace shell
