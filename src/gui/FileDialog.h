#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include <QString>

class QWidget;

namespace quillby::gui {

// A filter as the program writes it, "description|pattern[|description|pattern...]", in the
// form of Qt's file dialogs: "description (pattern)" entries joined by ";;".
QString qtNameFilters(std::string_view filter);

// The file-open dialog of the imports: lists the files the filter names, whatever the case of
// their letters ("Aircraft.TXT" lists aircraft.txt too), starting in `folder`.
std::optional<std::filesystem::path> chooseFileToOpen(QWidget* parent, std::string_view filter,
                                                      const std::filesystem::path& folder);

} // namespace quillby::gui
