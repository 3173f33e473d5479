#include "cli/ArgumentParser.h"

#include "cli/Commands.h"

namespace quillby::cli {

ArgumentParser::ArgumentParser(std::string command, const std::vector<std::string>& args)
    : m_command(std::move(command)), m_used(args.size(), false) {
    // Split "--name=value" so that both spellings read alike.
    for (const std::string& arg : args) {
        const std::size_t eq = arg.find('=');
        if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            m_args.push_back(arg.substr(0, eq));
            m_args.push_back(arg.substr(eq + 1));
        } else {
            m_args.push_back(arg);
        }
    }
    m_used.assign(m_args.size(), false);
}

std::optional<std::string> ArgumentParser::option(const std::string& name) {
    std::optional<std::string> value;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (m_used[i] || m_args[i] != name) {
            continue;
        }
        if (value) {
            throw UsageError("quillby-cli " + m_command + ": " + name + " is given twice");
        }
        if (i + 1 >= m_args.size()) {
            throw UsageError("quillby-cli " + m_command + ": " + name + " needs a value");
        }
        value = m_args[i + 1];
        m_used[i] = m_used[i + 1] = true;
    }
    return value;
}

bool ArgumentParser::flag(const std::string& name) {
    bool found = false;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (!m_used[i] && m_args[i] == name) {
            m_used[i] = true;
            found = true;
        }
    }
    return found;
}

OutputFormat ArgumentParser::format() {
    const std::string name = option("--format", "text");
    if (const auto format = parseOutputFormat(name)) {
        return *format;
    }
    throw UsageError("quillby-cli " + m_command + ": unknown format '" + name +
                     "' (text, csv or json)");
}

std::string ArgumentParser::onePositional(const std::string& what) {
    std::optional<std::string> operand;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (m_used[i]) {
            continue;
        }
        const bool isOption = m_args[i].size() > 1 && m_args[i][0] == '-';
        if (isOption) {
            throw UsageError("quillby-cli " + m_command + ": unknown option '" + m_args[i] + "'");
        }
        if (operand) {
            throw UsageError("quillby-cli " + m_command + ": more than one " + what + " given");
        }
        operand = m_args[i];
        m_used[i] = true;
    }
    if (!operand) {
        throw UsageError("quillby-cli " + m_command + ": no " + what + " given");
    }
    return *operand;
}

} // namespace quillby::cli
