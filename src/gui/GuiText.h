#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace quillby::gui {

// Table and file text is Windows-1252; Qt's is Unicode.
QString fromWindows1252(std::string_view text);
// What the code page cannot hold becomes '?'.
std::string toWindows1252(const QString& text);

} // namespace quillby::gui
