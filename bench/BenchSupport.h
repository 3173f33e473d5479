#pragma once

#include <filesystem>

namespace quillby::bench {

// What the benchmarks share: a folder of their own for the files they generate, and the
// process's resident memory for the memory figures.

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes (the benchmarks keep theirs in function statics, so it goes at exit). Generated
// inputs never go into the source tree.
class ScratchFolder {
public:
    explicit ScratchFolder(const char* purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Resident memory of the process in bytes, from /proc/self/statm, read after freed memory went
// back to the system: the growth between two readings is what the work between them still holds,
// not what an earlier run left in the allocator's free lists.
double residentBytes();

} // namespace quillby::bench
