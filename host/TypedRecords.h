// Typed access to the host records the plug-in reads by meaning: UTF-16 text
// records, the page count and the document's fonts.
#pragma once

#include <cstdint>
#include <string>

#include "host/HostApi.h"
#include "text/UniversalString.h"

namespace tavrel {

// The most units a text record may claim: its byte size plus the extra
// terminator must stay within 32 bits.
constexpr std::uint32_t kMaxTextUnits = 0x7FFFFFFE;

// Loads the text record {tag, key}: asks its size, loads it into a zeroed
// buffer one unit longer, and takes at most that many units up to the first
// zero. False (text untouched) when the record is missing, empty, claims more
// than kMaxTextUnits, or the second load fails.
bool LoadTextRecord(RecordTag tag, RecordKey key, std::u16string& text);
// Saves text as the record {tag, key} with its terminating zero; the size is
// length + 1 units. False when the host refuses or the text is too long.
bool SaveTextRecord(RecordTag tag, RecordKey key, const std::u16string& text);

// The text of kind `kind` numbered `number` (key {number, 0}) into text; its
// style is left alone.
bool LoadText(std::uint16_t number, UniversalString& text, RecordTag kind);
// Number 0 is never written: false without calling the host.
bool SaveText(const UniversalString& text, std::uint16_t number, RecordTag kind);

// The number of pages: the last n of 1, 2, ... whose page record loads,
// 0 when page 1 does not, at most 32767.
std::int16_t CountPages();

// The two fields of a font record the plug-in uses.
struct FontRecord {
    std::uint16_t commandValue = 0;  // the value after the name in a font command
    std::string name;                // 8-bit, ANSI code page
};
// Loads the font record of fontNumber (the default font is number 0).
bool LoadFontRecord(std::uint16_t fontNumber, FontRecord& font);
// The font's command value; 0 when its record does not load.
std::uint16_t FontCommandValue(std::uint16_t fontNumber);
// The font's name; empty when its record does not load.
UniversalString FontName(std::uint16_t fontNumber);
// The document's number for the font name (via the ANSI code page); what the
// host answers, 0xFFFF when it cannot.
std::uint16_t FontNumber(const UniversalString& name);

}  // namespace tavrel
