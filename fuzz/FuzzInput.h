#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

// What the fuzz targets share: the input as text, cut into the several texts a target may need,
// and a check that ends the run as a crash would when a reader breaks one of its promises, so
// that libFuzzer keeps the input that showed it.
namespace quillby::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Separates the texts of one input: the ASCII record separator, which none of the files uses.
inline constexpr char kPartSeparator = '\x1E';

// The first `count` parts of `input`, the last one running to the end (separators included);
// parts the input does not have are empty.
inline std::vector<std::string_view> splitParts(std::string_view input, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = input.find(kPartSeparator);
        if (at == std::string_view::npos) {
            break;
        }
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + 1);
    }
    parts.push_back(input);
    parts.resize(count);
    return parts;
}

// Where a target keeps the files it writes: in memory where the system offers a folder there,
// as writing a file on disk for every input costs more than the rest of the run.
inline std::filesystem::path scratchFolder() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) {
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path();
}

inline void check(bool condition, const char* promise) {
    if (!condition) {
        std::fprintf(stderr, "Broken promise: %s\n", promise);
        std::abort();
    }
}

} // namespace quillby::fuzz
