#pragma once

#include <cstdint>

// Constants of the client-dataset data packet, the binary table file format (see
// doc/table-file-format.md).
namespace quillby::cds {

inline constexpr std::uint32_t kSignature = 0xBDE01996;
inline constexpr std::uint32_t kHeaderSize = 24;
inline constexpr std::uint16_t kHighestVersion = 3;

// Header property flags.
inline constexpr std::uint32_t kHasMetadata = 0x1;
inline constexpr std::uint32_t kHasDataOffset = 0x2;

// The 32-bit type word of field descriptors and parameters.
inline constexpr std::uint32_t kSizeMask = 0x0000FFFF;
inline constexpr std::uint32_t kTypeMask = 0x003F0000;
inline constexpr int kTypeShift = 16;
inline constexpr std::uint32_t kVarying = 0x00400000;
inline constexpr std::uint32_t kArray = 0x00800000;
inline constexpr std::uint32_t kComposite = 0x01000000 | 0x04000000; // pseudo field, nested table

enum BaseType : std::uint32_t {
    kInt = 1,
    kUInt = 2,
    kBool = 3,
    kFloat = 4,
    kBcd = 5,
    kDate = 6,
    kTime = 7,
    kTimestamp = 8,
    kZString = 9,
    kUnicode = 10,
    kBytes = 11,
    kAdt = 12,
    kArrayType = 13,
    kEmbeddedTable = 14,
    kReference = 15,
    kSingle = 27,
};

// Type words the program writes.
inline constexpr std::uint32_t kShortStringType = 0x00490001; // text of fewer than 255 bytes
inline constexpr std::uint32_t kLongStringType = 0x00490002;
inline constexpr std::uint32_t kUInt16Type = 0x00020002;      // WIDTH
inline constexpr std::uint32_t kParamStringType = 0x00490002; // parameter text, NUL included

// Row status bits: a stored row the user does not see.
inline constexpr std::uint8_t kRowOriginal = 0x01; // superseded by a changed version
inline constexpr std::uint8_t kRowDeleted = 0x02;
inline constexpr std::uint8_t kRowUnused = 0x20;
inline constexpr std::uint8_t kRowHidden = kRowOriginal | kRowDeleted | kRowUnused;

// Two bits per field in each row's status bitmap.
inline constexpr unsigned kFieldPresent = 0;
inline constexpr unsigned kFieldNull = 1;
inline constexpr unsigned kFieldNotChanged = 2; // no value stored; reads as no value

// Change-log kinds.
inline constexpr std::uint32_t kChangeModify = 8;

// Our index definitions live in a dataset parameter of our own name, which other programs keep
// and ignore. Its text holds one "name<TAB>fields" per line.
inline constexpr const char* kIndexDefsParam = "QUILLBY_INDEXDEFS";

} // namespace quillby::cds
