// The 8-bit string of the shared code base: file names, dictionary keys, host
// record strings and 8-bit control texts. The buffer always holds exactly
// length + 1 bytes and is always terminated, so it can be handed to C APIs
// that fill a buffer of known size.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tavrel {

// Option bit of DynString::ReplaceAll: write the replacements. Without it
// the occurrences are only counted. MATCH_CASE and WHOLE_WORDS apply as for
// the wide search.
constexpr std::uint32_t REPLACE_WRITE = 0x2;

class DynString {
  public:
    DynString();
    DynString(const DynString& other);
    explicit DynString(const char* text);  // null gives an empty text
    explicit DynString(const std::string& text);
    virtual ~DynString() = default;

    // n zero bytes.
    static DynString WithLength(std::uint32_t n);
    void setLength(std::uint32_t n);

    // Copying carries the extra field; assigning from text resets it to 0.
    DynString& operator=(const DynString& other);
    DynString& operator=(const char* text);  // null gives an empty text
    DynString& operator=(const std::string& text);
    void assignFloat(double value);  // "%g"
    // Wide text in the ANSI code page; null gives an empty text. Units the
    // code page cannot hold come out as the system's default character.
    void assignWide(const char16_t* wide);

    DynString& operator+=(const DynString& other);
    DynString& operator+=(const char* text);
    DynString& appendInt(int value);  // "%d"

    // The first n bytes when 0 <= n <= length, else empty.
    DynString left(long n) const;
    // From index from to the end when 0 <= from < length, else empty.
    DynString right(long from) const;
    // Inclusive; to = -1 is the single byte at from, a to past the end is
    // clamped to the last byte, a from outside 0..to gives empty.
    DynString substring(long from, long to) const;

    std::uint32_t length() const { return length_; }
    bool empty() const { return length_ == 0; }
    const char* c_str() const { return data_.get(); }
    // Writable buffer of length + 1 bytes; the last must stay 0.
    char* data() { return data_.get(); }
    std::string str() const { return std::string(data_.get(), length_); }

    // 0 when i is not below the length.
    char charAt(long i) const;
    // Pointer to byte i; an index beyond the length gives byte 0.
    char* pointerAt(long i);
    const char* pointerAt(long i) const;
    // The length becomes the index of the first zero byte, if any.
    void cutAtNul();

    bool operator==(const char* text) const;  // byte-exact; null equals ""
    bool operator!=(const char* text) const { return !(*this == text); }
    // Same length and bytes (zero bytes included).
    bool operator==(const DynString& other) const;
    bool operator!=(const DynString& other) const { return !(*this == other); }
    bool contains(const char* needle) const;
    // False for an empty or longer needle.
    bool startsWith(const char* needle) const;
    // Case-insensitive compare with '*' and '%' wildcards at either end.
    bool matches(const DynString& pattern) const;
    bool matches(const char* pattern) const;
    // Reduces a name in place to a compact lower-case key for loose
    // comparison of window classes and titles.
    void simplify();

    // Returns the number of occurrences; replaces them only with REPLACE_WRITE.
    std::uint32_t ReplaceAll(const char* pattern, const char* replacement, std::uint32_t options);
    std::uint32_t countOccurrences(const char* pattern, std::uint32_t options) const;

    // 1 + the separators at positions 1 to length - 2; 0 for an empty text.
    std::uint32_t fieldCount(char separator) const;
    // Field n >= 1: after the (n - 1)-th separator up to the next or the end.
    DynString field(std::uint32_t n, char separator) const;
    // The first number from the first digit or '.' on (a '-' is skipped);
    // 0 when there is none.
    float readFloat() const;
    bool endsWithEllipsis() const;
    // '<n>' with n from 1 to 255 becomes the byte n.
    void convertCharacterCodes();
    // Every byte 0x1F becomes 0x8D.
    void convertSeparators();

    std::uint16_t extra() const { return extra_; }
    void setExtra(std::uint16_t value) { extra_ = value; }

  private:
    // Replaces the content with a new exact-size buffer holding bytes.
    void adopt(const char* bytes, std::size_t n);
    void adopt(const std::string& bytes) { adopt(bytes.data(), bytes.size()); }

    std::uint32_t length_ = 0;
    std::unique_ptr<char[]> data_;
    std::uint16_t extra_ = 0;
};

}  // namespace tavrel
