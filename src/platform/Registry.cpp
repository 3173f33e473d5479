#include "platform/Registry.h"

namespace quillby {

std::string findSimulatorPath(const Registry& registry) {
    constexpr std::string_view kKey = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
    constexpr std::string_view kKey32 =
        "Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
    const std::string_view key = registry.hasKey(kKey) ? kKey : kKey32;
    return registry.readString(key, "EXE Path").value_or("");
}

} // namespace quillby
