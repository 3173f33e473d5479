#include "platform/ValuePool.h"

#include "platform/Error.h"
#include "platform/TextHash.h"

#include <cstring>
#include <limits>

#ifdef _MSC_VER
#include <intrin.h>
#endif

namespace quillby {

namespace {

constexpr std::size_t kInitialSlots = 16;

std::uint64_t load(const char* p, std::size_t n) {
    std::uint64_t word = 0;
    if (n > 0) {
        std::memcpy(&word, p, n);
    }
    return word;
}

// The high and low halves of a 128-bit product, folded: one multiply mixes 16 bytes.
#ifdef _MSC_VER
std::uint64_t fold(std::uint64_t a, std::uint64_t b) {
    std::uint64_t high;
    const std::uint64_t low = _umul128(a, b, &high);
    return low ^ high;
}
#else
__extension__ using Uint128 = unsigned __int128;
std::uint64_t fold(std::uint64_t a, std::uint64_t b) {
    const Uint128 product = static_cast<Uint128>(a) * b;
    return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}
#endif

// Column texts are short (codes, names, times): a hash that takes 16 bytes per multiply is
// what makes loading a million rows fast. It starts from the process's seed, so that no file
// can choose values that all probe the same run of slots.
std::uint32_t hashText(std::string_view text, std::uint64_t seed) {
    constexpr std::uint64_t k0 = 0xA0761D6478BD642FULL, k1 = 0xE7037ED1A0B428DBULL,
                            k2 = 0x8EBC6AF09C88C6E3ULL;
    const char* p = text.data();
    std::size_t left = text.size();
    std::uint64_t h = k0 ^ seed ^ text.size();
    while (left > 16) {
        h = fold(load(p, 8) ^ k1 ^ h, load(p + 8, 8) ^ k2);
        p += 16;
        left -= 16;
    }
    const std::uint64_t a = left > 8 ? load(p, 8) : load(p, left);
    const std::uint64_t b = left > 8 ? load(p + 8, left - 8) : 0;
    h = fold(a ^ k1 ^ h, b ^ k2);
    h = fold(h ^ k0, k1);
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

} // namespace

ValuePool::ValuePool() : m_offsets{0, 0}, m_slots(kInitialSlots), m_seed(hashSeed()) {}

std::size_t ValuePool::slotOf(std::uint32_t hash, std::string_view text) const {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (true) {
        const Slot& s = m_slots[slot];
        if (s.id == kNoValue || (s.hash == hash && this->text(s.id) == text)) {
            return slot;
        }
        slot = (slot + 1) & mask;
    }
}

ValuePool::Id ValuePool::intern(std::string_view text) {
    // Rows that follow each other often repeat a value (the legs of one flight plan share the
    // airline and the weekdays): that costs one comparison instead of a hash probe.
    if (m_lastId != kNoValue && this->text(m_lastId) == text) {
        return m_lastId;
    }
    const std::uint32_t hash = hashText(text, m_seed);
    const std::size_t slot = slotOf(hash, text);
    if (m_slots[slot].id != kNoValue) {
        m_lastId = m_slots[slot].id;
        return m_lastId;
    }
    if (m_bytes.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw Error("The table is too large: one column holds more than 4 GB of text");
    }
    const Id id = static_cast<Id>(idCount());
    m_bytes.append(text);
    m_offsets.push_back(static_cast<std::uint32_t>(m_bytes.size()));
    m_slots[slot] = {id, hash};
    m_lastId = id;
    // Keep the table at most half full, so that probes stay short.
    if (idCount() * 2 > m_slots.size()) {
        grow();
    }
    return id;
}

std::optional<ValuePool::Id> ValuePool::find(std::string_view text) const {
    const Id id = m_slots[slotOf(hashText(text, m_seed), text)].id;
    if (id == kNoValue) {
        return std::nullopt;
    }
    return id;
}

void ValuePool::grow() {
    std::vector<Slot> slots(m_slots.size() * 2);
    const std::size_t mask = slots.size() - 1;
    for (const Slot& s : m_slots) {
        if (s.id == kNoValue) {
            continue;
        }
        std::size_t slot = s.hash & mask;
        while (slots[slot].id != kNoValue) {
            slot = (slot + 1) & mask;
        }
        slots[slot] = s;
    }
    m_slots.swap(slots);
}

void ValuePool::clear() {
    *this = ValuePool();
}

std::size_t ValuePool::memoryUsage() const {
    return m_bytes.capacity() + m_offsets.capacity() * sizeof(std::uint32_t) +
           m_slots.capacity() * sizeof(Slot);
}

} // namespace quillby
