#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// The distinct texts of one table column, each stored once and named by a small number (its
// id). A column of a million rows holds one id per row, so a cell costs four bytes and no heap
// allocation, and a condition or a sort key on the column can be worked out once per distinct
// text instead of once per row. Id 0 stands for "no value".
class ValuePool {
public:
    using Id = std::uint32_t;
    static constexpr Id kNoValue = 0;

    ValuePool();

    // The id of `text`, added to the pool when it is new.
    Id intern(std::string_view text);
    std::optional<Id> find(std::string_view text) const;
    // The text of an id; "no value" reads as empty text.
    std::string_view text(Id id) const {
        return {m_bytes.data() + m_offsets[id], m_offsets[id + 1] - m_offsets[id]};
    }
    // Ids in use, "no value" included: every id is below this.
    std::size_t idCount() const { return m_offsets.size() - 1; }

    void clear();
    std::size_t memoryUsage() const;

private:
    void grow();
    std::size_t slotOf(std::uint32_t hash, std::string_view text) const;

    // A slot of the hash index keeps the text's hash, so that most probes and every regrowth
    // need not look at the text.
    struct Slot {
        Id id = kNoValue; // kNoValue: a free slot
        std::uint32_t hash = 0;
    };

    std::string m_bytes;
    std::vector<std::uint32_t> m_offsets; // id i spans m_offsets[i] .. m_offsets[i + 1]
    std::vector<Slot> m_slots;            // open addressing, linear probing
    Id m_lastId = kNoValue;               // the id intern() gave last
    std::uint64_t m_seed;                 // of the hash (TextHash.h)
};

} // namespace quillby
