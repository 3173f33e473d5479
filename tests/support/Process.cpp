#include "support/Process.h"

#include <algorithm>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace quillby::test {

namespace {

std::string readAll(int fd) {
    std::string out;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return out;
}

// The test's environment with `changes` applied: "NAME=value" sets a variable, a bare "NAME"
// removes it.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
    const auto nameOf = [](std::string_view entry) { return entry.substr(0, entry.find('=')); };
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view name = nameOf(*entry);
        const bool changed = std::any_of(changes.begin(), changes.end(), [&](const auto& change) {
            return nameOf(change) == name;
        });
        if (!changed) {
            result.emplace_back(*entry);
        }
    }
    for (const std::string& change : changes) {
        if (change.find('=') != std::string::npos) {
            result.push_back(change);
        }
    }
    return result;
}

} // namespace

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& folder,
                         const std::vector<std::string>& environment) {
    // Everything the child needs is made before the fork: after it, only system calls.
    std::vector<std::string> strings = args;
    strings.insert(strings.begin(), program.string());
    std::vector<char*> argv;
    for (std::string& a : strings) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> variables = environmentWith(environment);
    std::vector<char*> envp;
    for (std::string& v : variables) {
        envp.push_back(v.data());
    }
    envp.push_back(nullptr);

    // Output goes to temporary files rather than pipes, so that a child that writes a lot
    // cannot block on a pipe nobody reads yet.
    char outName[] = "/tmp/quillby-out-XXXXXX";
    char errName[] = "/tmp/quillby-err-XXXXXX";
    const int outFd = ::mkstemp(outName);
    const int errFd = ::mkstemp(errName);
    if (outFd < 0 || errFd < 0) {
        throw std::runtime_error("cannot make temporary files");
    }
    ::unlink(outName);
    ::unlink(errName);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int nullFd = ::open("/dev/null", O_RDONLY);
        ::dup2(nullFd, 0);
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        if (::chdir(folder.c_str()) != 0) {
            ::_exit(127);
        }
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ::lseek(outFd, 0, SEEK_SET);
    ::lseek(errFd, 0, SEEK_SET);
    result.out = readAll(outFd);
    result.err = readAll(errFd);
    ::close(outFd);
    ::close(errFd);
    return result;
}

} // namespace quillby::test
