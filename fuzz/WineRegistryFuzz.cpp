// Fuzz target of the Wine registry reader. The input holds, separated by the byte 0x1E, the text
// of a system.reg, a key path, a value name and a text. The simulator's path is looked for as at
// start-up, and the input's value and a few fixed ones are read. A text, nothing, or an Error
// (a value that is not a string) are the outcomes; a value found lies in a key that exists and
// holds no NUL. Then the key is written at the end of the text with the value as Wine escapes
// them: in a registry, that value must be read back.
#include "FuzzInput.h"
#include "platform/Error.h"
#include "platform/WineRegistry.h"

#include <optional>
#include <string>

namespace quillby::fuzz {
namespace {

void read(const WineRegistry& registry, std::string_view key, std::string_view name) {
    std::optional<std::string> value;
    try {
        value = registry.readString(key, name);
    } catch (const Error&) {
        return;
    }
    if (value) {
        check(registry.hasKey(key), "a value found lies in a key that exists");
        check(value->find('\0') == std::string::npos, "a value found is cut at its first NUL");
    }
}

// Printable ASCII, escaped as Wine escapes it: a backslash before '\\', '"' and ']'.
std::optional<std::string> escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c < ' ' || c > '~') {
            return std::nullopt;
        }
        if (c == '\\' || c == '"' || c == ']') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// The key as the last one of the registry, holding the value; nothing for names this check
// leaves out (other bytes than printable ASCII; backslashes at the ends of the key path, which
// Wine never writes and a look-up drops).
std::optional<std::string> withValue(std::string_view text, std::string_view key,
                                     std::string_view name, std::string_view value) {
    const auto k = escaped(key), n = escaped(name), v = escaped(value);
    if (!k || !n || !v || key.starts_with('\\') || key.ends_with('\\')) {
        return std::nullopt;
    }
    return std::string(text) + "\n[" + *k + "] 1\n\"" + *n + "\"=\"" + *v + "\"\n";
}

} // namespace
} // namespace quillby::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillby;
    const auto parts = fuzz::splitParts(fuzz::asText(data, size), 4);
    const WineRegistry registry = WineRegistry::fromText(std::string(parts[0]));
    try {
        findSimulatorPath(registry);
    } catch (const Error&) {
    }
    const std::string_view keys[] = {parts[1],
                                     "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
                                     "Software\\Wine\\Drives"};
    for (const std::string_view key : keys) {
        fuzz::read(registry, key, parts[2]);
        fuzz::read(registry, key, "EXE Path");
    }

    const auto written = fuzz::withValue(parts[0], parts[1], parts[2], parts[3]);
    if (written && parts[0].starts_with("WINE REGISTRY Version 2\n")) {
        const WineRegistry again = WineRegistry::fromText(*written);
        fuzz::check(again.readString(parts[1], parts[2]) == parts[3],
                    "a value written as Wine writes it reads back");
    }
    return 0;
}
