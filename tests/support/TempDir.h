#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillby::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Tests never write anywhere else.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    // Writes `bytes` to a file in the folder and returns its path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path& path);

// The names in a folder, sorted: what a test expects to find there after a write.
std::vector<std::string> filesIn(const std::filesystem::path& folder);

// A fixture file of the project's own under tests/data.
std::filesystem::path fixture(std::string_view relativePath);

} // namespace quillby::test
