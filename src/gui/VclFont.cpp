#include "gui/VclFont.h"

#include <QApplication>
#include <QFontDatabase>

namespace quillby::gui {

QFont vclFont(int pixelHeight) {
    QFont font =
        QFontDatabase::hasFamily("MS Sans Serif") ? QFont("MS Sans Serif") : QApplication::font();
    font.setPixelSize(pixelHeight);
    return font;
}

} // namespace quillby::gui
