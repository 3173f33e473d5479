#include "import/FltsimTitles.h"

namespace quillby {

FltsimTitles readFltsimTitles(const IniFile& config) {
    FltsimTitles titles;
    std::string section;
    for (unsigned n = 0;; ++n) {
        section = "fltsim.";
        section += std::to_string(n);
        std::string title = config.readString(section, "title", "0");
        if (title == "0") {
            return titles;
        }
        // The lowest section of a title is the one a scan from fltsim.0 stops at.
        if (!titles.contains(title)) {
            titles.emplace(std::move(title), config.readString(section, "atc_airline", "0"));
        }
    }
}

} // namespace quillby
