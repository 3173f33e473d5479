#pragma once

#include "platform/AsciiCase.h"
#include "platform/Registry.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillby {

// The HKEY_LOCAL_MACHINE of a Wine prefix: its text file "system.reg", which starts with the
// line "WINE REGISTRY Version 2" and holds one "[Key\\Path] timestamp" line per key followed by
// its values ("Name"="text", @="default value", "Name"=dword:00000008, "Name"=str(2):"text",
// "Name"=hex(7):41,00,\ with continuation lines). Names and texts are escaped as Wine escapes
// them: \\, \", \n and the like, \x00c9 (one to four hex digits of a UTF-16 unit) and octal
// \0 to \777.
//
// The file is indexed by key when loaded; values are read from the text when asked for. A file
// without the header is not a registry, as for Wine, and holds no key; lines that make no sense
// are skipped.
class WineRegistry final : public Registry {
public:
    // A registry without keys.
    WineRegistry() = default;
    // `source` names the file in error messages (Windows-1252).
    static WineRegistry fromText(std::string text, std::string source = "system.reg");
    // A file that is missing or cannot be read gives a registry without keys, as a prefix in
    // which the simulator was never installed.
    static WineRegistry load(const std::filesystem::path& systemReg);

    bool hasKey(std::string_view keyPath) const override;
    // Strings are held as UTF-16 and returned in Windows-1252 ('?' for what it cannot hold), cut
    // at the first NUL. The error for a value that is not a string names the file and the line.
    std::optional<std::string> readString(std::string_view keyPath,
                                          std::string_view valueName) const override;

private:
    struct Lines {
        std::size_t begin = 0; // the lines after a key's "[...]" line, up to the next key
        std::size_t end = 0;
    };

    WineRegistry(std::string text, std::string source);
    void index();

    std::string m_text;
    std::string m_source;
    // Key paths in UTF-8 with single backslashes; a key written more than once has all its parts.
    std::unordered_map<std::string, std::vector<Lines>, AsciiCaseHash, AsciiCaseEqual> m_keys;
};

// The Wine prefix the simulator runs in: the value of WINEPREFIX when set, else the folder
// ".wine" in HOME; nothing when both are empty. The values are passed in so that tests never
// look at the user's home.
std::optional<std::filesystem::path> findWinePrefix(std::string_view winePrefixVariable,
                                                    std::string_view homeVariable);

} // namespace quillby
