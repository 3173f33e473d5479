// Fuzz target of the Wine registry reader. The input holds, separated by the byte 0x1E, the text
// of a system.reg, a key path and a value name. The simulator's path is looked for as at
// start-up, and the input's value and a few fixed ones are read. A text, nothing, or an Error
// (a value that is not a string) are the outcomes; a value found lies in a key that exists and
// holds no NUL.
#include "FuzzInput.h"
#include "platform/Error.h"
#include "platform/WineRegistry.h"

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

} // namespace
} // namespace quillby::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillby;
    const auto parts = fuzz::splitParts(fuzz::asText(data, size), 3);
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
    return 0;
}
