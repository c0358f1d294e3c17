// Replacing in a staff style's name, which the host keeps as 8-bit text in
// the ANSI code page in a fixed field of its record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/UniversalString.h"

namespace tavrel {

// Bytes a staff-style name may take, without its terminating zero.
constexpr std::size_t kStaffStyleNameMax = 47;

// Replaces every occurrence of search in the ANSI name, case-sensitively and
// never as whole words, and gives the new name in newName: ANSI, cut on a
// character boundary to at most kStaffStyleNameMax bytes. Returns the number
// replaced, or 0 (newName untouched) when nothing was found, the old name
// does not decode, or the new one holds a character the code page cannot
// store (writing '?' into the score would be a change nobody asked for) or
// a placeholder unit.
std::uint32_t ReplaceInAnsiName(const std::string& oldName, const UniversalString& search,
                                const UniversalString& replace, std::string& newName);

// The longest start of text whose ANSI form fits in maxBytes, cut between
// characters (a surrogate pair stays whole). text must convert losslessly.
std::string AnsiPrefix(const std::u16string& text, std::size_t maxBytes);

}  // namespace tavrel
