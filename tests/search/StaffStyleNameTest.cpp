// Replacing in staff-style names: case-sensitive, never whole words, bounded
// to the record's field, and never storing a character the code page lacks
// or a placeholder.
#include "search/StaffStyleName.h"

#include <string>

#include <gtest/gtest.h>

#include "text/UniversalString.h"

namespace tavrel {
namespace {

TEST(StaffStyleNameTest, ReplacesCaseSensitivelyAndInsideWords) {
    struct Row {
        int line;
        std::string name;  // ANSI (Windows-1252 here)
        const char* search;
        const char* replace;
        std::uint32_t count;
        std::string expected;  // ANSI; "-" when the name must stay untouched
    };
    const Row rows[] = {
        {__LINE__, "Slash notation", "Slash", "Rhythm", 1, "Rhythm notation"},
        {__LINE__, "Slash notation", "slash", "Rhythm", 0, "-"},        // case always matters
        {__LINE__, "Slashes", "Slash", "Cut", 1, "Cutes"},              // never whole words
        {__LINE__, "Caf\xE9 style", "\xC3\xA9", "e", 1, "Cafe style"},  // é from 1252
        {__LINE__, "Euro", "Euro", "\xE2\x82\xAC", 1, "\x80"},          // € is 0x80
        {__LINE__, "Omega", "Omega", "\xCE\xA9", 0, "-"},               // Ω: not in the code page
        // A placeholder that a typed shorthand left is never stored.
        {__LINE__, "Coda", "Coda", "Coda\x14", 0, "-"},
        {__LINE__, "Coda \x15", "Coda", "Fine", 0, "-"},
        {__LINE__, "Coda \x15", "\x15", "b", 1, "Coda b"},
        {__LINE__, "Coda", "Coda", "Coda\x13\x1F", 1, "Coda\x13\x1F"},
        {__LINE__, "Slash", "", "x", 0, "-"},
        // 40 characters, one 'x' turned into 10: 49 bytes, cut to the field's 47
        {__LINE__, std::string(39, 'n') + "x", "x", "0123456789", 1,
         std::string(39, 'n') + "01234567"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        std::string out = "-";
        EXPECT_EQ(ReplaceInAnsiName(row.name, UniversalString(row.search),
                                    UniversalString(row.replace), out),
                  row.count);
        EXPECT_EQ(out, row.expected);
    }
}

TEST(StaffStyleNameTest, PrefixStopsBetweenCharacters) {
    EXPECT_EQ(AnsiPrefix(u"\u20ACuro", 2), "\x80u");
    EXPECT_EQ(AnsiPrefix(u"abc", 3), "abc");
    EXPECT_EQ(AnsiPrefix(u"abc", 0), "");
}

}  // namespace
}  // namespace tavrel
