// The wide string that carries every score text, the search text and the
// replacement: UTF-16 code units plus a StringStyle given to the string as a
// whole. Indices are code-unit indices; surrogate pairs are not special.
#pragma once

#include <cstdint>
#include <string>

#include "text/StringStyle.h"

namespace tavrel {

class DynString;

class UniversalString {
  public:
    UniversalString() = default;
    UniversalString(const UniversalString&) = default;
    UniversalString(UniversalString&&) noexcept = default;
    explicit UniversalString(const std::string& utf8);
    explicit UniversalString(const char* utf8);      // null gives an empty text
    explicit UniversalString(const char16_t* wide);  // null gives an empty text
    explicit UniversalString(std::u16string text) : text_(std::move(text)) {}
    ~UniversalString() = default;

    // Copies text, style and styleSet.
    UniversalString& operator=(const UniversalString&) = default;
    UniversalString& operator=(UniversalString&&) noexcept = default;

    // Text only; the style is left as it is.
    void setText(const UniversalString& other) { text_ = other.text_; }
    void setText(std::u16string text) { text_ = std::move(text); }
    // Empties the text; with resetStyle also resets the style and styleSet.
    void clear(bool resetStyle);
    // null: false and no change; otherwise clear(false) and copy.
    bool assign(const char16_t* wide);
    // 8-bit input in the ANSI code page / UTF-8. null: false and no change.
    // Input the code page rejects gives an empty text and false.
    bool fromAnsi(const char* ansi);
    bool fromAnsi(const std::string& ansi);
    bool fromAnsi(const DynString& ansi);
    bool fromUtf8(const char* utf8);
    bool fromUtf8(const std::string& utf8);
    // Reset the style, clear styleSet, then the decimal text / the character.
    // Numbers print in full ("%ld"), so every value that fits 32 bits reads
    // the same on every build.
    void assignNumber(long value);
    void assignChar(char16_t ch);

    // Appending never touches the style.
    UniversalString& operator+=(const UniversalString& other);
    UniversalString& operator+=(const std::string& utf8);
    UniversalString& operator+=(const char* utf8);
    UniversalString& operator+=(char16_t ch);
    UniversalString& appendNumber(long value);

    // New strings that keep the left operand's style.
    UniversalString operator+(const UniversalString& other) const;
    UniversalString operator+(const std::string& utf8) const;
    UniversalString operator+(const char* utf8) const;
    UniversalString operator+(char16_t ch) const;
    UniversalString plusNumber(long value) const;

    std::string toUtf8() const;
    std::string toAnsi() const;
    void toAnsi(DynString& out) const;
    // length + 1 units, terminated; the caller releases it with delete[].
    char16_t* copyWide() const;

    std::size_t length() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    const std::u16string& text() const { return text_; }
    std::u16string& text() { return text_; }

    char16_t charAt(std::size_t i) const { return i < text_.size() ? text_[i] : u'\0'; }
    void truncate(std::size_t i);
    bool endsWith(char16_t ch) const;
    // Inclusive range; to = -1 means the last index. Out-of-range gives empty.
    // The part keeps this string's style.
    UniversalString substring(long from, long to) const;
    // false and no change when index is not below the length.
    bool replaceRange(std::size_t index, std::size_t count, const UniversalString& with);
    void toLower();

    // Texts only; styles are not compared.
    bool operator==(const UniversalString& other) const { return text_ == other.text_; }
    bool operator!=(const UniversalString& other) const { return text_ != other.text_; }
    bool operator==(const char* utf8) const;
    bool lessNoCase(const UniversalString& other) const;

    long Find(const UniversalString& pattern, long from, std::uint32_t options) const;
    // Returns the full count (never truncated to 16 bits).
    std::uint32_t ReplaceAll(const UniversalString& pattern, const UniversalString& replacement,
                             std::uint32_t options);

    const StringStyle& style() const { return style_; }
    StringStyle& style() { return style_; }
    // Copies the style and sets styleSet.
    void setStyle(const StringStyle& style) {
        style_ = style;
        styleSet_ = true;
    }
    void resetStyle() {
        style_.reset();
        styleSet_ = false;
    }
    bool styleSet() const { return styleSet_; }

  private:
    std::u16string text_;
    StringStyle style_;
    bool styleSet_ = false;
};

}  // namespace tavrel
