// The host's inline style commands: reading the style in effect at a point
// of a text, writing a style back as commands, and removing commands to get
// the plain text a reader sees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/StringStyle.h"
#include "text/UniversalString.h"

namespace tavrel {

// Kinds of style command; the nearest command of each kind before a point
// decides that part of the style.
enum class StyleKind { kNone = -1, kEffects, kFont, kSize, kSuperscript, kBaseline, kTracking };
constexpr int kStyleKindCount = 6;

// The signed decimal number at or after start: skips to the first '-' or
// digit anywhere in the text (0 when there is none) and takes it and the
// digits that follow, modulo 2^32. A lone '-' reads as 0.
std::int32_t ReadCommandNumber(const std::u16string& text, std::size_t start);

// The font name from start up to the first '(', ',' or ')' or the end of the
// text. True when a number may follow (stopped at ',' or the end), false
// when the command has no comma (stopped at '(' or ')').
bool ReadFontName(const std::u16string& text, std::size_t start, std::u16string& name);

// Which style command, if any, the caret at p begins, by the same tests
// StyleAt applies.
StyleKind StyleKindAt(const std::u16string& text, std::size_t p);
// Sets the field(s) of kind from the command at p (kind from StyleKindAt).
void ApplyStyleCommand(const std::u16string& text, std::size_t p, StyleKind kind,
                       StringStyle& style);

// The style in effect at index: for each kind the nearest command that
// begins before index; kinds without one keep their reset values. runStart,
// runEnd, fontId, effectsMask and fontFlags are never set.
StringStyle StyleAt(const std::u16string& text, std::size_t index);

// The commands that state style (font, size, effects, baseline, tracking,
// superscript, each only when set).
std::u16string StyleCommandText(const StringStyle& style);
// Replaces s's text by the commands that state its own style.
void WriteStyleCommands(UniversalString& s);

// Removes style commands (and unconverted legacy effect commands) and turns
// "^^" into "^"; inserts and other caret sequences stay as text.
std::u16string StrippedText(const std::u16string& text);
void StripStyleCommands(UniversalString& s);

}  // namespace tavrel
