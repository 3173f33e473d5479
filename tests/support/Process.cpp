#include "support/Process.h"

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

} // namespace

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& folder,
                         const std::vector<std::string>& environment) {
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
        for (const std::string& change : environment) {
            const std::size_t equals = change.find('=');
            if (equals == std::string::npos) {
                ::unsetenv(change.c_str());
            } else {
                ::setenv(change.substr(0, equals).c_str(), change.c_str() + equals + 1, 1);
            }
        }
        if (::chdir(folder.c_str()) != 0) {
            ::_exit(127);
        }
        std::vector<char*> argv;
        std::string path = program.string();
        argv.push_back(path.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        ::execv(path.c_str(), argv.data());
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
