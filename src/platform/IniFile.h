#pragma once

#include "platform/AsciiCase.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillby {

// The text of an INI file (the settings file, an aircraft.cfg), read and edited as the Windows
// profile functions read and write such a file. The text is 8-bit (Windows-1252) with CR LF,
// LF or CR line ends; the callers read and write the file itself.
//
// Reading: section and key names compare without regard to case and without their surrounding
// blanks (spaces and tabs). A line "[name]" starts a section; the first section of a name counts
// and later ones are ignored, as are keys before the first section. In a section, a line with an
// "=" is a key: its name is the text before the first "=", its value the text after it without
// surrounding blanks and without one pair of enclosing double quotes. The first key of a name
// counts; lines without "=" (comments, blank lines) are ignored. Nothing else is special, so a
// comment after a value belongs to the value.
//
// Writing changes only the value it writes (or adds one line, or a section of two lines) and
// keeps every other byte of the text.
class IniFile {
public:
    // An empty text, as a file that does not exist yet.
    IniFile() = default;
    static IniFile fromText(std::string text);

    // The text is indexed once, so a look-up costs two hash probes and no scan of the text.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // Replaces the text after the key's "=" (blanks and quotes included) with the value; adds the key as the last line of its
    // section (after the section's last line that is not blank) when the section lacks it, and
    // adds the section at the end of the text when the text lacks it. Added lines end as the
    // text's first line does (CR LF for a text that has no line end yet, as Windows writes).
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    const std::string& text() const { return m_text; }

private:
    struct Key {
        std::size_t valueBegin = 0; // the value's bytes without surrounding blanks, quotes kept
        std::size_t valueEnd = 0;
        std::size_t afterEquals = 0; // the whole text after "=", up to the line end
        std::size_t lineEnd = 0;
    };
    struct Section {
        std::unordered_map<std::string, Key, AsciiCaseHash, AsciiCaseEqual> keys;
        std::size_t appendAt = 0;        // where a new key line goes
        bool appendNeedsLineEnd = false; // the section's last line ends the text without a line end
    };

    explicit IniFile(std::string text);
    void index();
    std::string_view lineEnd() const;

    std::string m_text;
    std::unordered_map<std::string, Section, AsciiCaseHash, AsciiCaseEqual> m_sections;
};

} // namespace quillby
