#include "about/AboutContent.h"

#include <cstdio>

namespace quillby {

AboutContent buildAboutContent(const VersionInfo* info) {
    if (info == nullptr || info->translations().empty()) {
        return {"About", {"No version information available."}};
    }
    const VersionInfo::Translation first = info->translations().front();
    char pair[9];
    std::snprintf(pair, sizeof pair, "%04x%04x", first.language, first.codePage);
    const std::string base = std::string("\\StringFileInfo\\") + pair + "\\";

    AboutContent content;
    // A box without a product name gets the caption it has without version information.
    content.caption = info->queryString(base + "ProductName").value_or("About");
    struct Entry {
        const char* name;
        const char* label;
        bool emptyLineAfter;
    };
    static constexpr Entry kEntries[] = {
        {"ProductVersion", "Product Version:   ", false},
        {"CompanyName", "By:   ", true},
        {"FileDescription", "", false},
        {"FileVersion", "File Version:   ", true},
        {"LegalCopyright", "Copyright:   ", true},
        {"Comments", "", false},
    };
    for (const Entry& entry : kEntries) {
        const auto value = info->queryString(base + entry.name);
        if (!value || value->empty()) {
            continue;
        }
        content.lines.push_back(entry.label + *value);
        if (entry.emptyLineAfter) {
            content.lines.emplace_back();
        }
    }
    return content;
}

} // namespace quillby
