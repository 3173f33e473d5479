#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillby {

// Hashes of the texts that files bring (table values, INI and registry names, aircraft titles)
// for the program's hash tables. Each process hashes with a seed of its own, drawn at random:
// with a hash known in advance, a file can be made whose names all fall into one slot of a
// table, which makes reading it take time in the square of its size.

// The seed of this process; the same on every call.
std::uint64_t hashSeed();

// A transparent hash of bytes, for maps keyed by text that are looked up with a string_view.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept;
};

} // namespace quillby
