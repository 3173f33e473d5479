#include "platform/TextHash.h"

#include <chrono>
#include <random>

namespace quillby {

namespace {

std::uint64_t drawSeed() {
    try {
        std::random_device device;
        return (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (...) {
        // No source of randomness: the clock and where the program lies in memory still differ
        // from run to run.
        static const int here = 0;
        return static_cast<std::uint64_t>(
                   std::chrono::steady_clock::now().time_since_epoch().count()) ^
               reinterpret_cast<std::uintptr_t>(&here);
    }
}

} // namespace

std::uint64_t hashSeed() {
    static const std::uint64_t seed = drawSeed();
    return seed;
}

std::size_t TextHash::operator()(std::string_view text) const noexcept {
    std::uint64_t hash = 14695981039346656037ull ^ hashSeed(); // FNV-1a from the seed
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

} // namespace quillby
