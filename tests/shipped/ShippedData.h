#pragma once

#include <filesystem>

namespace quillby::test {

// What Quillby ships, in the source tree: data/Airport.cds and the demo installation.
inline std::filesystem::path shipped(const std::filesystem::path& relativePath) {
    return std::filesystem::path(QUILLBY_SHIPPED_DATA_DIR) / relativePath;
}

} // namespace quillby::test
