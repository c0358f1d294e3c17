// The 8-bit string: exact-size terminated buffers, guarded accessors, and the
// 8-bit forms of the search, key and field helpers. Case and classes are
// ASCII-only by hand so that every C library gives the same answer.
#include "text/DynString.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "platform/CodePage.h"
#include "text/Ascii.h"
#include "text/Options.h"
#include "text/SearchCore.h"

namespace tavrel {
namespace {

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

// The "C" locale's classes, the same on every platform.
bool AsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool AsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
bool AsciiPunct(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
           (c >= '{' && c <= '~');
}
bool IsWildcard(char c) {
    return c == '*' || c == '%';
}

struct ByteRules {
    static bool Equal(char a, char b, std::uint32_t options) {
        return a == b || ((options & MATCH_CASE) == 0 && AsciiLower(a) == AsciiLower(b));
    }
    static bool Boundary(char c) { return AsciiSpace(c) || AsciiPunct(c); }
};

// Shift-JIS lead and trail bytes that make a double-byte character.
bool IsShiftJisPair(unsigned char lead, unsigned char trail) {
    switch (lead) {
        case 0x82:
            return trail >= 0x4F;
        case 0x83:
            return trail >= 0x40 && trail <= 0x96;
        case 0x87:
            return trail >= 0x40 && trail <= 0x9C;
        case 0x88:
            return trail >= 0x9F;
        case 0xFC:
            return trail >= 0x40 && trail <= 0x4B;
        default:
            break;
    }
    const bool otherLead =
        lead == 0x81 || (lead >= 0x89 && lead <= 0xEE) || lead == 0xFA || lead == 0xFB;
    return otherLead && trail >= 0x40;
}

// More than 15 % of the length in Shift-JIS pairs. An empty text is not
// double-byte text (and is not divided by).
bool IsDoubleByteText(const std::string& s) {
    std::size_t pairs = 0;
    std::size_t i = 0;
    while (i + 1 < s.size()) {
        if (IsShiftJisPair(Byte(s[i]), Byte(s[i + 1]))) {
            ++pairs;
            i += 2;
        } else {
            ++i;
        }
    }
    return pairs * 20 > s.size() * 3;  // pairs / length > 0.15, in integers
}

// CR LF becomes LF, a lone CR becomes LF.
std::string NormalizeLineEnds(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            if (i + 1 >= s.size() || s[i + 1] != '\n') {
                out += '\n';
            }
        } else {
            out += s[i];
        }
    }
    return out;
}

bool EndsWithThreeDots(const std::string& s) {
    return s.size() > 3 && s.compare(s.size() - 3, 3, "...") == 0;
}

// One byte of a key outside double-byte text: lower case, with separators
// and most punctuation turned into spaces that the last step removes.
char SimplifyByte(const std::string& s, std::size_t i) {
    const char c = s[i];
    const bool last = i + 1 == s.size();
    if (c == '?' || (c == '-' && !last && AsciiDigit(s[i + 1])) ||
        (last && (c == '%' || c == '*'))) {
        return c;
    }
    char out = AsciiLower(c);
    if (out == ',') {
        out = '.';
    }
    if (out == '.') {
        return (i == 0 || AsciiDigit(s[i - 1])) ? '.' : ' ';
    }
    if (out == '-' || (AsciiPunct(out) && out != '#' && out != '$')) {
        return ' ';
    }
    return out;
}

// The number syntax that "%f" reads the same way everywhere: digits, one
// point, digits, an optional exponent. Hexadecimal, infinity and NaN are
// not read (the Windows run-time does not read them either).
std::string DecimalPrefix(const char* p) {
    std::string out;
    while (AsciiDigit(*p)) out += *p++;
    if (*p == '.') {
        out += *p++;
        while (AsciiDigit(*p)) out += *p++;
    }
    if ((*p == 'e' || *p == 'E') &&
        (AsciiDigit(p[1]) || ((p[1] == '+' || p[1] == '-') && AsciiDigit(p[2])))) {
        out += *p++;
        if (*p == '+' || *p == '-')
            out += *p++;
        while (AsciiDigit(*p)) out += *p++;
    }
    return out;
}

}  // namespace

DynString::DynString() {
    adopt("", 0);
}

DynString::DynString(const DynString& other) : extra_(other.extra_) {
    adopt(other.c_str(), other.length_);
}

DynString::DynString(const char* text) {
    adopt(text ? text : "", text ? std::strlen(text) : 0);
}

DynString::DynString(const std::string& text) {
    adopt(text);
}

DynString DynString::WithLength(std::uint32_t n) {
    DynString out;
    out.setLength(n);
    return out;
}

void DynString::setLength(std::uint32_t n) {
    adopt(std::string(n, '\0'));
}

DynString& DynString::operator=(const DynString& other) {
    if (this != &other) {
        adopt(other.c_str(), other.length_);
        extra_ = other.extra_;
    }
    return *this;
}

DynString& DynString::operator=(const char* text) {
    // Copy first: text may point into this string's own buffer.
    adopt(std::string(text ? text : ""));
    extra_ = 0;
    return *this;
}

DynString& DynString::operator=(const std::string& text) {
    adopt(text);
    extra_ = 0;
    return *this;
}

void DynString::assignFloat(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", value);
    *this = buf;
}

void DynString::assignWide(const char16_t* wide) {
    *this = wide ? platform::Utf16ToAnsi(wide) : std::string();
}

DynString& DynString::operator+=(const DynString& other) {
    adopt(str() + other.str());
    return *this;
}

DynString& DynString::operator+=(const char* text) {
    if (text != nullptr) {
        adopt(str() + text);
    }
    return *this;
}

DynString& DynString::appendInt(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    return *this += buf;
}

DynString DynString::left(long n) const {
    if (n < 0 || static_cast<unsigned long>(n) > length_) {
        return DynString();
    }
    return DynString(std::string(c_str(), static_cast<std::size_t>(n)));
}

DynString DynString::right(long from) const {
    if (from < 0 || static_cast<unsigned long>(from) >= length_) {
        return DynString();
    }
    return DynString(std::string(c_str() + from, length_ - static_cast<std::size_t>(from)));
}

DynString DynString::substring(long from, long to) const {
    if (to == -1) {
        to = from;
    }
    const long last = static_cast<long>(length_) - 1;
    if (to > last) {
        to = last;
    }
    if (from < 0 || from > to) {
        return DynString();
    }
    return DynString(std::string(c_str() + from, static_cast<std::size_t>(to - from + 1)));
}

char DynString::charAt(long i) const {
    if (i < 0 || static_cast<unsigned long>(i) >= length_) {
        return '\0';
    }
    return data_[static_cast<std::size_t>(i)];
}

char* DynString::pointerAt(long i) {
    if (i < 0 || static_cast<unsigned long>(i) > length_) {
        return data_.get();
    }
    return data_.get() + i;
}

const char* DynString::pointerAt(long i) const {
    return const_cast<DynString*>(this)->pointerAt(i);
}

void DynString::cutAtNul() {
    const std::size_t n = std::strlen(c_str());
    if (n < length_) {
        adopt(c_str(), n);
    }
}

bool DynString::operator==(const char* text) const {
    return std::strcmp(c_str(), text ? text : "") == 0;
}

bool DynString::operator==(const DynString& other) const {
    return length_ == other.length_ && std::memcmp(c_str(), other.c_str(), length_) == 0;
}

bool DynString::contains(const char* needle) const {
    return needle != nullptr && std::strstr(c_str(), needle) != nullptr;
}

bool DynString::startsWith(const char* needle) const {
    if (needle == nullptr) {
        return false;
    }
    const std::size_t n = std::strlen(needle);
    return n != 0 && n <= length_ && std::strncmp(c_str(), needle, n) == 0;
}

bool DynString::matches(const DynString& pattern) const {
    const std::string_view subject(c_str(), length_);
    const std::string_view pat(pattern.c_str(), pattern.length_);
    const long n = static_cast<long>(subject.size());
    const long p = static_cast<long>(pat.size());
    const bool wildFirst = p > 0 && IsWildcard(pat[0]);
    const long offset = wildFirst ? n - p + 1 : 0;
    long end = 0;
    if (n > 0 && IsWildcard(subject[n - 1])) {
        end = n - 1;
    } else if (p == 0 || !IsWildcard(pat[p - 1])) {
        end = n;
        if (offset == 0 && n != p) {
            return false;
        }
    } else {
        end = p - 1;
    }
    if (end == 0 || offset < 0) {
        return false;
    }
    for (long i = offset; i < end; ++i) {
        const long k = wildFirst ? i - offset + 1 : i - offset;
        // Past either end the other side meets a terminator: a difference,
        // found without reading beyond either text.
        if (i >= n || k >= p || AsciiLower(subject[i]) != AsciiLower(pat[k])) {
            return false;
        }
    }
    return true;
}

bool DynString::matches(const char* pattern) const {
    return matches(DynString(pattern));
}

void DynString::simplify() {
    std::string s = NormalizeLineEnds(str());
    const bool doubleByte = IsDoubleByteText(s);
    if (EndsWithThreeDots(s)) {
        s.resize(s.size() - 3);
    } else if (!s.empty() && Byte(s.back()) == 0x85) {
        s.pop_back();
    }
    std::string keyed;
    keyed.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\t' || (s[i] == '/' && i + 1 < s.size() && s[i + 1] == '/')) {
            break;
        }
        keyed += doubleByte ? s[i] : SimplifyByte(s, i);
    }
    std::string out;
    out.reserve(keyed.size());
    for (char c : keyed) {
        if (c == '.' || c == ' ' || c == '\n') {
            continue;
        }
        if (!doubleByte && Byte(c) == 0xDF) {
            out += "ss";
        } else {
            out += c;
        }
    }
    // A change in place, not an assignment: the extra field stays.
    adopt(out);
}

std::uint32_t DynString::ReplaceAll(const char* pattern, const char* replacement,
                                    std::uint32_t options) {
    std::string text = str();
    const std::uint32_t count = search_core::ReplaceAll<ByteRules>(
        text, std::string(pattern ? pattern : ""), std::string(replacement ? replacement : ""),
        options, (options & REPLACE_WRITE) != 0);
    if ((options & REPLACE_WRITE) != 0 && count != 0) {
        adopt(text);
    }
    return count;
}

std::uint32_t DynString::countOccurrences(const char* pattern, std::uint32_t options) const {
    // Counting with the pattern as its own replacement sees the text exactly
    // as it stands, whole-word boundaries included.
    std::string text = str();
    const std::string pat(pattern ? pattern : "");
    return search_core::ReplaceAll<ByteRules>(text, pat, pat, options, false);
}

std::uint32_t DynString::fieldCount(char separator) const {
    if (length_ == 0) {
        return 0;
    }
    std::uint32_t count = 1;
    for (std::uint32_t i = 1; i + 1 < length_; ++i) {
        if (data_[i] == separator) {
            ++count;
        }
    }
    return count;
}

DynString DynString::field(std::uint32_t n, char separator) const {
    if (n == 0) {
        return DynString();
    }
    const std::string_view s(c_str(), length_);
    std::size_t start = 0;
    for (std::uint32_t k = 1; k < n; ++k) {
        const std::size_t sep = s.find(separator, start);
        if (sep == std::string_view::npos) {
            return DynString();
        }
        start = sep + 1;
    }
    const std::size_t stop = s.find(separator, start);
    return DynString(
        std::string(s.substr(start, stop == std::string_view::npos ? stop : stop - start)));
}

float DynString::readFloat() const {
    const char* p = c_str();
    while (*p != '\0' && !AsciiDigit(*p) && *p != '.') {
        ++p;
    }
    const std::string number = DecimalPrefix(p);
    float value = 0;
    if (number.empty() || std::sscanf(number.c_str(), "%f", &value) != 1) {
        return 0;
    }
    return value;
}

bool DynString::endsWithEllipsis() const {
    const std::string_view s(c_str(), length_);
    return (s.size() > 3 && s.substr(s.size() - 3) == "...") ||
           (!s.empty() && Byte(s.back()) == 0x85);
}

void DynString::convertCharacterCodes() {
    const std::string s = str();
    std::string out;
    out.reserve(s.size());
    bool changed = false;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] != '<') {
            out += s[i++];
            continue;
        }
        std::size_t j = i + 1;
        unsigned value = 0;
        while (j < s.size() && AsciiDigit(s[j])) {
            // Saturate so that a long run of digits cannot overflow.
            value = value > 255 ? 256 : value * 10 + static_cast<unsigned>(s[j] - '0');
            ++j;
        }
        if (j > i + 1 && j < s.size() && s[j] == '>' && value >= 1 && value <= 255) {
            out += static_cast<char>(value);
            changed = true;
        } else {
            // The byte that ended the group (even another '<') does not
            // start a new one.
            out.append(s, i, j + 1 - i);
        }
        i = j + 1;
    }
    if (changed) {
        adopt(out);
    }
}

void DynString::convertSeparators() {
    for (std::uint32_t i = 0; i < length_; ++i) {
        if (Byte(data_[i]) == 0x1F) {
            data_[i] = static_cast<char>(0x8D);
        }
    }
}

void DynString::adopt(const char* bytes, std::size_t n) {
    if (n >= std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("string too long");
    }
    std::unique_ptr<char[]> buffer(new char[n + 1]);
    std::memcpy(buffer.get(), bytes, n);
    buffer[n] = '\0';
    data_ = std::move(buffer);
    length_ = static_cast<std::uint32_t>(n);
}

}  // namespace tavrel
