#pragma once

#include <QFont>

namespace quillby::gui {

// The windows' font: "MS Sans Serif" at the given height in pixels where the system has it,
// else the system's own user-interface font at that height.
QFont vclFont(int pixelHeight);

} // namespace quillby::gui
