#include "about/VersionInfo.h"

#include "platform/AsciiCase.h"

namespace quillby {

void VersionInfo::setString(std::string_view table, std::string name, std::string value) {
    m_tables[toAsciiUpper(table)][toAsciiUpper(name)] = std::move(value);
}

std::optional<std::string> VersionInfo::queryString(std::string_view path) const {
    constexpr std::string_view kPrefix = "\\StringFileInfo\\";
    if (path.size() < kPrefix.size() || !equalsIgnoringAsciiCase(path.substr(0, kPrefix.size()), kPrefix)) {
        return std::nullopt;
    }
    path.remove_prefix(kPrefix.size());
    const std::size_t slash = path.find('\\');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto table = m_tables.find(toAsciiUpper(path.substr(0, slash)));
    if (table == m_tables.end()) {
        return std::nullopt;
    }
    const auto value = table->second.find(toAsciiUpper(path.substr(slash + 1)));
    if (value == table->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

} // namespace quillby
