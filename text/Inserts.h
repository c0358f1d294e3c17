// Conversions of a text's caret sequences: symbol and information inserts to
// placeholder characters and back, the shorthands and character codes a user
// types in the search fields, and legacy effect commands to effect commands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/UniversalString.h"

namespace tavrel {

// Each symbol insert (and "^^") becomes its placeholder unit, and back.
void EncodeInserts(UniversalString& s);
// The same into out; false, with out untouched, when nothing changes.
bool EncodeInserts(const std::u16string& text, std::u16string& out);
void DecodeInserts(UniversalString& s);

// Typed shorthands ("^t", "^s", ...) become the units they stand for; a text
// that is exactly "^" stays as it is.
void ConvertTypedEscapes(UniversalString& s);

// '<' digits '>' becomes the unit with that code. Codes that are 0, whose low
// 16 bits are 0, that exceed 0x7FFFFFFF or have more than 10 digits stay as
// typed: a U+0000 would cut a score text short.
void ConvertCharacterCodes(UniversalString& s);

// Groups of legacy effect commands that open with the plain command become
// one "^nfx(bits)" command. The walk ends at the first "^nf".
void NormalizeLegacyEffects(UniversalString& s);
// The same, keeping index on the character it named: a group converted
// before it moves it by the change in length, one around it moves it to the
// start of the new command.
void NormalizeLegacyEffects(UniversalString& s, std::int32_t& index);
// False when NormalizeLegacyEffects certainly leaves text as it is.
bool MayConvertLegacyEffects(const std::u16string& text);

// True when text[i] begins an effect command in the old form: a caret, "ef"
// and at least one more character. It runs through the next ')' (or to the
// end of the text), is invisible to a reader and is never searched inside.
bool IsLegacyEffectStart(const std::u16string& text, std::size_t i);

// True when text holds a placeholder unit (U+0001, U+0014 to U+001E), which
// stands for an insert only while a text is being searched.
bool HoldsPlaceholder(const std::u16string& text);

// True when text[i] is a caret followed by one of the letter groups of an
// information insert (con, da, fd, fi, pa, pe, ti, to, va). The insert runs
// through the next ')'.
bool IsInformationInsertStart(const std::u16string& text, std::size_t i);

}  // namespace tavrel
