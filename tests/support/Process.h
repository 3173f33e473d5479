#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillby::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with arguments (no shell) in `folder`, with standard input empty, and
// collects what it writes and its exit status. `environment` changes the program's environment:
// "NAME=value" sets a variable (TZ, so that a test does not depend on the machine's time zone),
// a bare "NAME" removes it (so that a test keeps the program away from the user's home).
ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& folder = ".",
                         const std::vector<std::string>& environment = {});

} // namespace quillby::test
