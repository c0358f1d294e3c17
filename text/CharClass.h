// Case folding and character classes for UTF-16 units, from tables generated
// out of Unicode data so that every build and platform agrees. The C
// library's locale-dependent functions are deliberately not used.
#pragma once

namespace tavrel {

char16_t ToLower(char16_t ch);  // simple lowercase mapping; identity if none
bool IsUpper(char16_t ch);      // has a simple lowercase mapping
bool IsSpace(char16_t ch);      // White_Space property
bool IsPunct(char16_t ch);      // general categories P* and S*
bool IsDigit(char16_t ch);      // '0'-'9' only

}  // namespace tavrel
