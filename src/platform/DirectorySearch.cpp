#include "platform/DirectorySearch.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/Windows1252.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <tuple>
#include <vector>
#endif

namespace quillby {

bool DirectorySearch::exists(std::string_view path) const {
    bool found = false;
    find(path, [&](const DirectoryEntry&) { found = true; });
    return found;
}

#ifdef _WIN32

void HostDirectorySearch::find(std::string_view pattern, const EntryHandler& onEntry) const {
    WIN32_FIND_DATAA data;
    const HANDLE handle = FindFirstFileA(std::string(pattern).c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    struct Closer {
        HANDLE handle;
        ~Closer() { FindClose(handle); }
    } closer{handle};
    do {
        onEntry({data.cFileName, data.dwFileAttributes});
    } while (FindNextFileA(handle, &data));
}

#else

namespace fs = std::filesystem;

namespace {

std::optional<std::uint32_t> attributesOf(const fs::path& path) {
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        status = fs::symlink_status(path, error); // a dangling link
        if (!fs::exists(status)) {
            return std::nullopt;
        }
    }
    std::uint32_t attributes =
        fs::is_directory(status) ? FileAttribute::kDirectory : FileAttribute::kArchive;
    constexpr fs::perms kWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kWrite) == fs::perms::none) {
        attributes |= FileAttribute::kReadOnly;
    }
    return attributes;
}

// "*" any run of characters, "?" one character, letters without regard to case. A mismatch
// after a "*" lets that "*" take one more character, so the work stays linear per "*".
bool matchesWildcard(std::string_view name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t star = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || windows1252Upper(pattern[p]) ==
                                                                   windows1252Upper(name[n]))) {
            ++n;
            ++p;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

// As for Windows, "*.*" takes every name, with or without an extension.
bool matchesPattern(std::string_view name, std::string_view pattern) {
    return matchesWildcard(name, pattern) ||
           (pattern.ends_with(".*") &&
            matchesWildcard(name, pattern.substr(0, pattern.size() - 2)));
}

// Windows lists names in the order of their capitals, compared by code point.
std::u32string sortKey(std::string_view hostName) {
    std::u32string key = utf8ToCodePoints(hostName);
    for (char32_t& c : key) {
        if (const auto byte = codePointToWindows1252(c)) {
            c = windows1252ToCodePoint(
                static_cast<unsigned char>(windows1252Upper(static_cast<char>(*byte))));
        }
    }
    return key;
}

struct Found {
    DirectoryEntry entry;
    std::u32string sortKey;
    std::string hostName; // UTF-8, decides between names of equal capitals
};

bool hasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

} // namespace

void HostDirectorySearch::find(std::string_view pattern, const EntryHandler& onEntry) const {
    std::size_t cut = pattern.find_last_of("\\/");
    if (cut == std::string_view::npos && pattern.size() >= 2 && pattern[1] == ':') {
        cut = 1; // "C:*.*"
    }
    const std::string_view folder = cut == std::string_view::npos ? "" : pattern.substr(0, cut + 1);
    const std::string_view last = cut == std::string_view::npos ? pattern : pattern.substr(cut + 1);
    if (last.empty()) {
        return;
    }

    if (!hasWildcard(last)) {
        const auto path = m_paths.map(pattern);
        auto attributes = path ? attributesOf(*path) : std::nullopt;
        if (attributes) {
            std::string name = utf8ToWindows1252(path->filename().string());
            if (name.starts_with('.')) {
                *attributes |= FileAttribute::kHidden;
            }
            onEntry({std::move(name), *attributes});
        }
        return;
    }

    const auto mapped = m_paths.map(folder);
    if (!mapped) {
        return;
    }
    const fs::path where = mapped->empty() ? fs::path(".") : *mapped;
    const auto ownAttributes = attributesOf(where);
    if (!ownAttributes || (*ownAttributes & FileAttribute::kDirectory) == 0) {
        return;
    }
    std::error_code error;
    fs::directory_iterator it(where, error);
    if (error) {
        return;
    }
    std::vector<Found> found;
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::string hostName = it->path().filename().string();
        auto attributes = attributesOf(it->path());
        if (!attributes) {
            continue; // gone since it was listed
        }
        if (hostName.starts_with('.')) {
            *attributes |= FileAttribute::kHidden;
        }
        found.push_back({{utf8ToWindows1252(hostName), *attributes}, sortKey(hostName), hostName});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tie(a.sortKey, a.hostName) < std::tie(b.sortKey, b.hostName);
    });

    const DirectoryEntry dot{".", *ownAttributes};
    const DirectoryEntry dotDot{"..", attributesOf(where / "..").value_or(*ownAttributes)};
    for (const DirectoryEntry* entry : {&dot, &dotDot}) {
        if (matchesPattern(entry->name, last)) {
            onEntry(*entry);
        }
    }
    for (const Found& f : found) {
        if (matchesPattern(f.entry.name, last)) {
            onEntry(f.entry);
        }
    }
}

#endif

} // namespace quillby
