#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// The version information a program carries, kept as Windows keeps it in an executable: a list
// of language and code-page pairs ("\VarFileInfo\Translation") and, for each pair, a table of
// named strings ("\StringFileInfo\041004E4\FileVersion").
class VersionInfo {
public:
    struct Translation {
        std::uint16_t language = 0;
        std::uint16_t codePage = 0;
    };

    void addTranslation(Translation translation) { m_translations.push_back(translation); }
    // `table` is the pair as eight hexadecimal digits, "041004E4".
    void setString(std::string_view table, std::string name, std::string value);

    const std::vector<Translation>& translations() const { return m_translations; }
    // A string by its path, "\StringFileInfo\041004e4\ProductName"; the table's digits and the
    // value's name compare without regard to case, as Windows compares them.
    std::optional<std::string> queryString(std::string_view path) const;

private:
    std::vector<Translation> m_translations;
    std::map<std::string, std::map<std::string, std::string>> m_tables; // upper-case keys
};

// The version information of this build of Quillby (its values come from the build).
const VersionInfo& ownVersionInfo();

} // namespace quillby
