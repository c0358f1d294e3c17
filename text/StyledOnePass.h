// Replace All of one styled text in a single forward pass. It gives what
// the step-by-step loop gives (text, count and each step's result) while
// keeping what the steps would rebuild: the text before the last unmatched
// character is final once the walk has passed it, the style in effect is
// carried forward, and the new text is built once into a new buffer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/UniversalString.h"

namespace tavrel {

// Replaces every occurrence of search in prepared (a text whose inserts are
// placeholders and whose legacy effect groups are converted) into out and
// sets count; steps, when given, receives each step's result (1, -1) and
// the closing 0. Returns false, with count, out and steps left as they
// were, for a text or request whose later replacements could change how an
// earlier command reads: any caret that is not a style command settled by
// its own characters (information inserts, legacy commands, stray carets,
// numbers read past the ')'), or a replacement or replacement font name
// that holds a caret or a command's punctuation.
bool ReplaceAllInOnePass(const std::u16string& prepared, const UniversalString& search,
                         const UniversalString& replacement, std::uint32_t options,
                         std::u16string& out, std::uint32_t& count, std::vector<int>* steps);

}  // namespace tavrel
