#include "support/FreshAirlineLookup.h"

#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace quillby::test {

std::string freshAirlineLookup(std::string_view title, std::string_view FSPath,
                               std::span<const std::string> folders, const DirectorySearch& search,
                               const HostPath& paths) {
    std::string result;
    for (const std::string& folder : folders) {
        const std::string path = std::string(FSPath) + "\\aircraft\\" + folder + "\\aircraft.cfg";
        if (!search.exists(path)) {
            continue;
        }
        IniFile config;
        try {
            config = IniFile::fromText(readWholeFile(paths.map(path).value()));
        } catch (const Error&) {
        }
        int n = 0;
        std::string section = "fltsim.0";
        std::string read = config.readString(section, "title", "0");
        while (read != "0") {
            if (read == title) {
                result = config.readString(section, "atc_airline", "0");
                break;
            }
            section = "fltsim." + std::to_string(++n);
            read = config.readString(section, "title", "0");
        }
    }
    return result;
}

std::vector<std::string> scannedTitles(std::string text) {
    const IniFile config = IniFile::fromText(std::move(text));
    std::vector<std::string> titles;
    for (int n = 0;; ++n) {
        std::string title = config.readString("fltsim." + std::to_string(n), "title", "0");
        if (title == "0") {
            return titles;
        }
        titles.push_back(std::move(title));
    }
}

} // namespace quillby::test
