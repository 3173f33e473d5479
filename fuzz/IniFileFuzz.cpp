// Fuzz target of the INI reader and writer. The input holds, separated by the byte 0x1E, the
// text of an INI file, a section name, a key name and a value. The text is read with fixed names
// and with the input's; then the value is written and the text read again. Where the names and
// the value can stand in an INI line as they are (no line end, no blanks at their ends, no "]"
// in the section, no "=" in the key...), the value must read back and the write must have
// changed no byte but those of the key's own line.
#include "FuzzInput.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <string>

namespace quillby::fuzz {
namespace {

struct Name {
    std::string_view section;
    std::string_view key;
};

constexpr Name kFixedNames[] = {
    {"fltsim.0", "title"}, {"fltsim.1", "atc_airline"}, {"General", "atc_type"}, {"", ""}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool standsInALine(std::string_view text, std::string_view forbidden) {
    return text.find_first_of(forbidden) == std::string_view::npos &&
           (text.empty() || (!isBlank(text.front()) && !isBlank(text.back())));
}

bool writesPlainly(std::string_view section, std::string_view key, std::string_view value) {
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    return standsInALine(section, std::string_view("\r\n]", 3)) && standsInALine(key, "\r\n=") &&
           !key.starts_with('[') && standsInALine(value, "\r\n") && !quoted;
}

std::string withOtherCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// No value holds a line end: a missing key reads as one.
constexpr std::string_view kMissing = "\n";

std::string read(const IniFile& ini, const Name& name) {
    const std::string value = ini.readString(name.section, name.key, kMissing);
    check(value == ini.readString(withOtherCase(name.section), withOtherCase(name.key), kMissing),
          "names are read without regard to case");
    return value;
}

std::size_t commonPrefix(std::string_view a, std::string_view b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first -
                                    a.begin());
}

std::size_t commonSuffix(std::string_view a, std::string_view b) {
    return static_cast<std::size_t>(
        std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin());
}

} // namespace
} // namespace quillby::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillby;
    const auto parts = fuzz::splitParts(fuzz::asText(data, size), 4);
    const fuzz::Name name{parts[1], parts[2]};
    const std::string_view value = parts[3];

    IniFile ini = IniFile::fromText(std::string(parts[0]));
    for (const fuzz::Name& fixed : fuzz::kFixedNames) {
        fuzz::read(ini, fixed);
    }
    const std::string before = fuzz::read(ini, name);
    const std::string oldText = ini.text();

    ini.writeString(name.section, name.key, value);
    const IniFile again = IniFile::fromText(ini.text());
    const std::string after = fuzz::read(again, name);
    fuzz::check(after == fuzz::read(ini, name), "the text written reads as the file does");
    if (!fuzz::writesPlainly(name.section, name.key, value)) {
        return 0;
    }
    fuzz::check(after == value, "a value written reads back");
    // Bytes taken out of the text: none when the key was added, else only bytes of the key's own
    // line (the text after its "=" is written anew, blanks and quotes included).
    const std::string_view newText = ini.text();
    const std::size_t prefix = fuzz::commonPrefix(oldText, newText);
    const std::size_t suffix = std::min(fuzz::commonSuffix(oldText, newText),
                                        std::min(oldText.size(), newText.size()) - prefix);
    const std::string_view removed =
        std::string_view(oldText).substr(prefix, oldText.size() - prefix - suffix);
    fuzz::check(before != fuzz::kMissing || removed.empty(), "adding a key takes out no byte");
    fuzz::check(removed.find_first_of("\r\n") == std::string_view::npos,
                "a write changes no byte of another line");
    return 0;
}
