#include "platform/TextHash.h"

#include "platform/AsciiCase.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillby {
namespace {

// FNV-1a of the upper-case form from its usual start, the hash of INI and registry names that
// anybody could compute in advance.
std::uint64_t fixedHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(asciiUpper(c))) * 1099511628211ull;
    }
    return hash;
}

template <typename Map> std::size_t largestBucket(const std::vector<std::string>& names) {
    Map map;
    map.reserve(names.size());
    for (const std::string& name : names) {
        map.emplace(name, 0);
    }
    std::size_t largest = 0;
    for (std::size_t b = 0; b < map.bucket_count(); ++b) {
        largest = std::max(largest, map.bucket_size(b));
    }
    return largest;
}

// An aircraft.cfg of 20,000 keys made so took 1.7 s to read instead of 8 ms, and the time grew
// with the square of the file's size. With the process's own seed, names made to fall into one
// bucket of a table under the fixed hash spread like any others.
TEST(TextHash, NamesMadeToCollideUnderAFixedHashSpreadOut) {
    constexpr std::size_t kNames = 2000;
    using CaseMap = std::unordered_map<std::string, int, AsciiCaseHash, AsciiCaseEqual>;
    using ByteMap = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;
    CaseMap sized;
    sized.reserve(kNames);
    const std::size_t buckets = sized.bucket_count();
    std::vector<std::string> names;
    for (std::uint64_t n = 0; names.size() < kNames; ++n) {
        std::string name = "KEY" + std::to_string(n);
        if (fixedHash(name) % buckets == 0) {
            names.push_back(std::move(name));
        }
    }
    EXPECT_LT(largestBucket<CaseMap>(names), 20u);
    EXPECT_LT(largestBucket<ByteMap>(names), 20u);
}

} // namespace
} // namespace quillby
