#include "cli/Commands.h"
#include "platform/Error.h"

#include <clocale>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace quillby::cli;
    std::setlocale(LC_TIME, "");
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return runCommand(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "%s\n%s", e.what(), usageText().c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillby-cli: %s\n", e.what());
        return 1;
    }
}
