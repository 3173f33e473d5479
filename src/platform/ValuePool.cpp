#include "platform/ValuePool.h"

#include "platform/Error.h"

#include <cstring>
#include <limits>

namespace quillby {

namespace {

constexpr std::size_t kInitialSlots = 16;

std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBULL;
    x ^= x >> 31;
    return x;
}

// Column texts are short (codes, names, times), so a word-at-a-time mix beats byte-wise hashes.
std::uint32_t hashText(std::string_view text) {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ text.size();
    const char* p = text.data();
    std::size_t left = text.size();
    while (left >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        h = mix(h ^ word);
        p += 8;
        left -= 8;
    }
    if (left > 0) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, left);
        h = mix(h ^ word ^ (static_cast<std::uint64_t>(left) << 59));
    }
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

} // namespace

ValuePool::ValuePool() : m_offsets{0, 0}, m_hashes{0}, m_slots(kInitialSlots, 0) {}

std::size_t ValuePool::slotOf(std::uint32_t hash, std::string_view text) const {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (true) {
        const Id id = m_slots[slot];
        if (id == kNoValue || (m_hashes[id] == hash && this->text(id) == text)) {
            return slot;
        }
        slot = (slot + 1) & mask;
    }
}

ValuePool::Id ValuePool::intern(std::string_view text) {
    const std::uint32_t hash = hashText(text);
    const std::size_t slot = slotOf(hash, text);
    if (m_slots[slot] != kNoValue) {
        return m_slots[slot];
    }
    if (m_bytes.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw Error("The table is too large: one column holds more than 4 GB of text");
    }
    const Id id = static_cast<Id>(idCount());
    m_bytes.append(text);
    m_offsets.push_back(static_cast<std::uint32_t>(m_bytes.size()));
    m_hashes.push_back(hash);
    m_slots[slot] = id;
    // Keep the table at most half full, so that probes stay short.
    if (idCount() * 2 > m_slots.size()) {
        grow();
    }
    return id;
}

std::optional<ValuePool::Id> ValuePool::find(std::string_view text) const {
    const Id id = m_slots[slotOf(hashText(text), text)];
    if (id == kNoValue) {
        return std::nullopt;
    }
    return id;
}

void ValuePool::grow() {
    std::vector<Id> slots(m_slots.size() * 2, kNoValue);
    const std::size_t mask = slots.size() - 1;
    for (Id id = 1; id < idCount(); ++id) {
        std::size_t slot = m_hashes[id] & mask;
        while (slots[slot] != kNoValue) {
            slot = (slot + 1) & mask;
        }
        slots[slot] = id;
    }
    m_slots.swap(slots);
}

void ValuePool::clear() {
    *this = ValuePool();
}

std::size_t ValuePool::memoryUsage() const {
    return m_bytes.capacity() + (m_offsets.capacity() + m_hashes.capacity() + m_slots.capacity()) *
                                    sizeof(std::uint32_t);
}

} // namespace quillby
