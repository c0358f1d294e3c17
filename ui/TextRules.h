// Text and value rules of the control operations: which value access a
// control kind gets, the number an edit field holds, the text a value is
// written as, the Shift-JIS guess for 8-bit rich-edit text, and the bounded
// copy of tooltip texts.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/DynString.h"
#include "ui/FourCharCode.h"

namespace tavrel {

enum class ValueAccess { None, Text, Check, Slider, List, Combo };
ValueAccess ValueAccessFor(FourCharCode kind);

// The number in an edit field's 8-bit text: read from the first digit or
// point on (whatever precedes it, a minus sign too, is skipped); 0 when
// there is none.
double ReadEditNumber(const DynString& text);
// A value as an edit field shows it ("%g").
DynString ValueText(double value);

// True when more than 15 % of the bytes start a Shift-JIS double-byte pair.
bool LooksLikeShiftJis(const char* bytes, std::size_t length);

// A tooltip notification's buffer holds 80 wide characters: the text is
// copied cut to 79 and terminated. Returns the characters copied.
constexpr std::size_t kTooltipBufferLength = 80;
std::size_t CopyTooltipText(const DynString& text, char16_t* buffer, std::size_t capacity);

}  // namespace tavrel
