#pragma once

#include <QPixmap>

namespace quillby::gui {

// The program's pictures, drawn here rather than kept as image files: a departures board with
// the program's name, in the sizes the splash window and the About box show.
QPixmap splashPicture(); // 203 x 120, stretched by the splash window
QPixmap aboutPicture();  // 299 x 103, shown unscaled by the About box
QPixmap programIcon(int size);

} // namespace quillby::gui
