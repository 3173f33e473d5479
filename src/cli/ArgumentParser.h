#pragma once

#include "cli/TableOutput.h"

#include <optional>
#include <string>
#include <vector>

namespace quillby::cli {

// The options and operands of one command: "--name value" or "--name=value" options, plain
// flags, and operands in order. Anything it does not know is a UsageError.
class ArgumentParser {
public:
    ArgumentParser(std::string command, const std::vector<std::string>& args);

    // The value of an option given once at most.
    std::optional<std::string> option(const std::string& name);
    std::string option(const std::string& name, const std::string& fallback) {
        return option(name).value_or(fallback);
    }
    bool flag(const std::string& name);
    // --format text|csv|json, text when not given.
    OutputFormat format();
    // The single operand; checks that no option or operand is left unused.
    std::string onePositional(const std::string& what);

private:
    void checkAllUsed() const;

    std::string m_command;
    std::vector<std::string> m_args;
    std::vector<bool> m_used;
};

} // namespace quillby::cli
