#include "platform/HostPath.h"

#include "platform/AsciiCase.h"
#include "platform/Windows1252.h"

#include <string>
#include <vector>

namespace quillby {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// A name on disk (UTF-8) against a wanted Windows-1252 name. What the code page cannot hold
// becomes NUL, which no wanted name contains, so it never matches by accident.
bool sameNameIgnoringCase(std::string_view diskName, std::string_view wanted) {
    const std::string disk = utf8ToWindows1252(diskName, '\0');
    if (disk.size() != wanted.size()) {
        return false;
    }
    for (std::size_t i = 0; i < disk.size(); ++i) {
        if (windows1252Upper(disk[i]) != windows1252Upper(wanted[i])) {
            return false;
        }
    }
    return true;
}

// The name on disk in `folder` that stands for the Windows-1252 `wanted`, or nothing.
std::optional<std::string> findOnDisk(const fs::path& folder, std::string_view wanted) {
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    const std::string asWritten = windows1252ToUtf8(wanted);
    std::error_code error;
    if (fs::exists(fs::symlink_status(where / asWritten, error))) {
        return asWritten;
    }
    std::optional<std::string> found;
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (sameNameIgnoringCase(name, wanted) && (!found || name < *found)) {
            found = std::move(name);
        }
    }
    return found;
}

} // namespace

std::optional<fs::path> HostPath::driveRoot(char letter) const {
    const fs::path dosdevices = m_prefix / "dosdevices";
    const fs::path link = dosdevices / (std::string(1, static_cast<char>(letter | 0x20)) + ":");
    std::error_code error;
    const fs::file_status status = fs::symlink_status(link, error);
    if (error || !fs::exists(status)) {
        return std::nullopt;
    }
    if (!fs::is_symlink(status)) {
        return link;
    }
    const fs::path target = fs::read_symlink(link, error);
    if (error) {
        return std::nullopt;
    }
    return target.is_absolute() ? target : (dosdevices / target).lexically_normal();
}

std::optional<fs::path> HostPath::map(std::string_view path) const {
    fs::path result;
    std::string_view rest = path;
    if (!path.empty() && path.front() == '/') {
        result = "/";
    } else if (path.size() >= 2 && path[1] == ':' && asciiUpper(path[0]) >= 'A' &&
               asciiUpper(path[0]) <= 'Z') {
        auto root = driveRoot(path[0]);
        if (!root) {
            return std::nullopt;
        }
        result = std::move(*root);
        rest = path.substr(2);
    } else if (!path.empty() && path.front() == '\\') {
        return std::nullopt;
    }

    std::vector<std::string_view> components;
    std::size_t begin = 0;
    while (begin <= rest.size()) {
        std::size_t end = begin;
        while (end < rest.size() && !isSeparator(rest[end])) {
            ++end;
        }
        const std::string_view component = rest.substr(begin, end - begin);
        if (component == "..") {
            if (!components.empty() && components.back() != "..") {
                components.pop_back();
            } else if (result.empty()) {
                components.push_back(component); // above the current folder
            }
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        begin = end + 1;
    }

    bool onDisk = true; // once a component is missing, nothing below it can exist
    for (const std::string_view component : components) {
        std::optional<std::string> name;
        if (onDisk && component != "..") {
            name = findOnDisk(result, component);
            onDisk = name.has_value();
        }
        result /= name ? *name : windows1252ToUtf8(component);
    }
    return result;
}

} // namespace quillby
