#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillby {

// The machine's registry as the program reads it: string values of keys under
// HKEY_LOCAL_MACHINE. Key paths are written as Windows writes them ("Software\Microsoft\...");
// key and value names compare without regard to case; text is Windows-1252. An interface, so
// that tests give the start-up a registry of their own.
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool hasKey(std::string_view keyPath) const = 0;

    // Nothing when the key or the value is missing. A value that is there but is not a string
    // raises an Error "Invalid data type for 'NAME'", as the registry reader of Windows programs
    // does, since the program cannot go on with such a value.
    virtual std::optional<std::string> readString(std::string_view keyPath,
                                                  std::string_view valueName) const = 0;
};

// The simulator's installation folder, its value "EXE Path" exactly as the installer stored it,
// or "" when it has none. A 32-bit installer in a 64-bit Wine prefix writes its key under
// Software\Wow6432Node, so that key is read when the plain one is missing.
std::string findSimulatorPath(const Registry& registry);

} // namespace quillby
