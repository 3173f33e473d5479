#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace quillby::test {

// A real file made by other software, read where it lies in the shared samples folder (such
// files are never copied into the repository). Nothing when it is not there: the test then skips.
inline std::optional<std::filesystem::path> sample(std::string_view relativePath) {
    const std::filesystem::path path = std::filesystem::path(QUILLBY_SAMPLES_DIR) / relativePath;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return std::nullopt;
    }
    return path;
}

} // namespace quillby::test
