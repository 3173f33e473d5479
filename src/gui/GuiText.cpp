#include "gui/GuiText.h"

#include "platform/Windows1252.h"

namespace quillby::gui {

QString fromWindows1252(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        out += QChar(static_cast<char16_t>(windows1252ToCodePoint(static_cast<unsigned char>(c))));
    }
    return out;
}

std::string toWindows1252(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToWindows1252(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace quillby::gui
