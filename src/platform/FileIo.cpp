#include "platform/FileIo.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace quillby {

namespace {

constexpr std::size_t kWriteChunk = 1 << 20;

std::string quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

#ifdef _WIN32
int syncFile(int fd) {
    return _commit(fd);
}
#else
int syncFile(int fd) {
    return ::fsync(fd);
}
#endif

// A name no other writer picks: the target's name, the process id and a random number.
std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const unsigned n = seed + counter.fetch_add(1);
    return target.parent_path() / ("." + target.filename().string() + "." +
                                   std::to_string(::getpid()) + "." + std::to_string(n) + ".tmp");
}

std::optional<InjectedWriteFailure> g_injectedFailure;

// True, with `error` set, when a test has made this step fail.
bool failsByInjection(WriteStep step, int& error) {
    if (g_injectedFailure && g_injectedFailure->step == step) {
        error = g_injectedFailure->error;
        return true;
    }
    return false;
}

// Temporary files of earlier writes whose process died before it could remove them ("kill -9",
// a power cut): the next write of the same file clears them away.
void removeStaleTemporaries(const std::filesystem::path& target) {
#ifdef _WIN32
    static_cast<void>(target);
#else
    const std::string prefix = "." + target.filename().string() + ".";
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - 4, 4, ".tmp") != 0) {
            continue;
        }
        const std::string rest = name.substr(prefix.size());
        const long pid = std::strtol(rest.c_str(), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            std::filesystem::remove(entry.path(), error);
        }
    }
#endif
}

} // namespace

void injectWriteFailure(std::optional<InjectedWriteFailure> failure) {
    g_injectedFailure = failure;
}

std::string systemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "The system cannot find the file specified.";
    case ENOTDIR:
        return "The system cannot find the path specified.";
    case EACCES:
    case EPERM:
    case EISDIR:
        return "Access is denied.";
    case ENOSPC:
    case EDQUOT:
        return "There is not enough space on the disk.";
    case EFBIG:
        return "The file size exceeds the limit allowed and cannot be saved.";
    case EROFS:
        return "The media is write protected.";
    default:
        return std::strerror(error);
    }
}

std::string readWholeFile(const std::filesystem::path& path) {
    InputFile file(path);
    // Read straight into a buffer of the file's size; a file that grows meanwhile is read on.
    std::string bytes(file.size(), '\0');
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            bytes.resize(bytes.size() + (1 << 16));
        }
        const std::size_t n = file.read(bytes.data() + filled, bytes.size() - filled);
        if (n == 0) {
            break;
        }
        filled += n;
    }
    bytes.resize(filled);
    return bytes;
}

InputFile::InputFile(const std::filesystem::path& path) : m_path(path) {
    m_fd = ::open(path.c_str(), O_RDONLY);
    if (m_fd < 0) {
        throw Error("Cannot open file " + quoted(path) + ". " + systemErrorText(errno));
    }
    struct stat info {};
    if (::fstat(m_fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(m_fd);
        throw Error("Cannot open file " + quoted(path) + ". " + systemErrorText(EISDIR));
    }
    const off_t size = ::lseek(m_fd, 0, SEEK_END);
    ::lseek(m_fd, 0, SEEK_SET);
    m_size = size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

InputFile::~InputFile() {
    ::close(m_fd);
}

std::size_t InputFile::read(char* buffer, std::size_t count) {
    while (true) {
        const ssize_t n = ::read(m_fd, buffer, count);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            throw Error("Cannot read file " + quoted(m_path) + ". " + systemErrorText(errno));
        }
    }
}

std::filesystem::path findFileIgnoringCase(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return path;
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string name = path.filename().string();
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (equalsIgnoringAsciiCase(entry.path().filename().string(), name)) {
            return path.has_parent_path() ? folder / entry.path().filename()
                                          : entry.path().filename();
        }
    }
    return path;
}

AtomicFile::AtomicFile(std::filesystem::path target) : m_target(std::move(target)) {
    // Replace what a link points to, not the link.
    std::error_code error;
    if (std::filesystem::is_symlink(m_target, error)) {
        const auto resolved = std::filesystem::weakly_canonical(m_target, error);
        if (!error) {
            m_target = resolved;
        }
    }
    int injected = 0;
    if (failsByInjection(WriteStep::Create, injected)) {
        throw Error("Cannot create file " + quoted(m_target) + ". " + systemErrorText(injected));
    }
    removeStaleTemporaries(m_target);
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temporary = temporaryNameFor(m_target);
        m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC, 0666);
        if (m_fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (m_fd < 0) {
        throw Error("Cannot create file " + quoted(m_target) + ". " + systemErrorText(errno));
    }
    m_buffer.reserve(kWriteChunk);
}

AtomicFile::~AtomicFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    if (!m_committed) {
        ::unlink(m_temporary.c_str());
    }
}

void AtomicFile::fail(const char* action, int error) {
    throw Error(std::string("Cannot ") + action + " file " + quoted(m_target) + ". " +
                systemErrorText(error));
}

void AtomicFile::flushBuffer() {
    const char* p = m_buffer.data();
    std::size_t left = m_buffer.size();
    if (int injected = 0; left > 0 && failsByInjection(WriteStep::Write, injected)) {
        fail("write", injected);
    }
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("write", errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    m_buffer.clear();
}

void AtomicFile::write(std::string_view bytes) {
    if (m_buffer.size() + bytes.size() > kWriteChunk) {
        flushBuffer();
    }
    if (bytes.size() >= kWriteChunk) {
        m_buffer.assign(bytes);
        flushBuffer();
        return;
    }
    m_buffer.append(bytes);
}

void AtomicFile::commit() {
    flushBuffer();
    if (int injected = 0; failsByInjection(WriteStep::Sync, injected)) {
        fail("write", injected);
    }
    if (syncFile(m_fd) != 0) {
        fail("write", errno);
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        fail("write", errno);
    }
#ifdef _WIN32
    if (!MoveFileExW(m_temporary.c_str(), m_target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        fail("replace", EACCES);
    }
#else
    if (int injected = 0; failsByInjection(WriteStep::Replace, injected)) {
        fail("replace", injected);
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        fail("replace", errno);
    }
    // Make the rename itself durable.
    const std::filesystem::path folder = m_target.has_parent_path() ? m_target.parent_path() : ".";
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
#endif
    m_committed = true;
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    AtomicFile file(target);
    file.write(bytes);
    file.commit();
}

} // namespace quillby
