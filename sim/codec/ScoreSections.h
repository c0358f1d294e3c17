// The score file's sections of fixed-layout records: for each, the record
// tag and size, the names of its fields, how an entry becomes the record's
// bytes and how the bytes become an entry again. Reading and writing share
// this one table, so they cannot drift apart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/HostApi.h"
#include "sim/codec/ScoreJson.h"

namespace tavrel::sim {

// A number in an entry that must name an existing record: checked once
// the whole file is read, so sections may refer to each other freely.
struct Reference {
    std::string pointer;
    RecordTag tag = 0;
    std::uint16_t number = 0;
};
using References = std::vector<Reference>;

struct SectionCodec {
    const char* name;
    RecordTag tag;
    std::uint32_t size;
    bool pairKeys;  // keys always written as "N,M"
    // Entry (an object) to the record's bytes; throws ScoreError.
    Bytes (*build)(const Json& entry, const std::string& pointer, References& references);
    // The record's named fields as an entry; nothing when a field cannot be
    // written (a name without terminator or outside the code page).
    std::optional<Json> (*describe)(const Bytes& record);
};

// Fonts, text blocks, staves, staff styles, groups, page and measure text
// blocks, two- and three-style records and articulations, in file order.
const std::vector<SectionCodec>& FixedSections();
const SectionCodec& FindSection(const char* name);

// The style record of a repeat text from the repeat-text entry, which must
// have a "style" (its "extra" belongs to the style record).
Bytes BuildRepeatStyle(const Json& entry, const std::string& pointer);
Json DescribeRepeatStyle(const Bytes& record);

// An entry's "extra" bytes checked against the record size, or zeros.
Bytes BaseBytes(const Json& entry, const std::string& pointer, std::uint32_t size);

// The full entry for a record: its fields, plus "extra" when the record
// holds bytes no field names. Nothing when the entry cannot reproduce the
// record exactly; such records are written as raw records instead.
std::optional<Json> EntryFor(const SectionCodec& codec, const Bytes& record);

// Texts: a JSON string becomes UTF-16 (no zero character allowed).
std::u16string ExpectText(const Json& value, const std::string& pointer);
// The UTF-8 text, or nothing when UTF-8 cannot carry it unchanged.
std::optional<std::string> TextToUtf8(const std::u16string& text);

}  // namespace tavrel::sim
