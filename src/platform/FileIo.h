#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillby {

// The text Windows gives for a failed file operation, for the errors users meet ("The system
// cannot find the file specified."); the system's own text for the rest.
std::string systemErrorText(int error);

// The whole content of a file; an Error "Cannot open file "NAME". REASON" when it cannot be
// read. Messages name the file as the caller gave it.
std::string readWholeFile(const std::filesystem::path& path);

// A file open for reading, read piece by piece by its user.
class InputFile {
public:
    // An Error "Cannot open file "NAME". REASON" when it cannot be opened.
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::uint64_t size() const { return m_size; }
    // Reads up to `count` bytes; 0 at the end of the file.
    std::size_t read(char* buffer, std::size_t count);

private:
    std::filesystem::path m_path;
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

// The path of an existing file whose name equals the last part of `path` without regard to
// case ("flight.cds" finds "Flight.cds"), as Windows would open it; `path` itself when it exists
// as written or when nothing matches.
std::filesystem::path findFileIgnoringCase(const std::filesystem::path& path);

// Writes a file whole or not at all: the bytes go to a temporary file in the target's folder,
// which replaces the target only when everything was written and flushed to disk. Until then,
// and whenever a write fails or the process dies, the earlier file stays as it was.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes);
    // Puts the new file in place of the target.
    void commit();

private:
    void flushBuffer();
    [[noreturn]] void fail(const char* action, int error);

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::string m_buffer;
    int m_fd = -1;
    bool m_committed = false;
};

// For tests: the next atomic writes fail at `step` with the system error `error` (ENOSPC for a
// full disk, EACCES for a read-only folder), as the system would make them fail; nothing to stop.
enum class WriteStep { Create, Write, Sync, Replace };
struct InjectedWriteFailure {
    WriteStep step;
    int error;
};
void injectWriteFailure(std::optional<InjectedWriteFailure> failure);

// Writes `bytes` through an AtomicFile.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace quillby
