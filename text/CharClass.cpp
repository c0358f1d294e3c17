// Case folding and character classes over the generated Unicode tables.
#include "text/CharClass.h"

#include "text/CharTables.h"

namespace tavrel {

char16_t ToLower(char16_t ch) {
    return static_cast<char16_t>(ch + char_tables::KindOf(ch).lowerDelta);
}

bool IsUpper(char16_t ch) {
    return (char_tables::KindOf(ch).flags & char_tables::kFlagUpper) != 0;
}

bool IsSpace(char16_t ch) {
    return (char_tables::KindOf(ch).flags & char_tables::kFlagSpace) != 0;
}

bool IsPunct(char16_t ch) {
    return (char_tables::KindOf(ch).flags & char_tables::kFlagPunct) != 0;
}

bool IsDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

}  // namespace tavrel
