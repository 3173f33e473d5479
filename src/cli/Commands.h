#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace quillby::cli {

// Wrong use of the command line: the tool answers with the message and its usage lines.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string usageText();

// Runs the command named by the first argument; returns the exit status.
int runCommand(const std::vector<std::string>& args);

int runDump(const std::vector<std::string>& args);
int runBoard(const std::vector<std::string>& args);
int runConvertFlightPlans(const std::vector<std::string>& args);
int runConvertAircraft(const std::vector<std::string>& args);
int runMakeAirports(const std::vector<std::string>& args);

} // namespace quillby::cli
