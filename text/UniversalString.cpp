// The wide string's text operations: conversions through the platform's code
// page functions, guarded index access, and the plain search it delegates.
#include "text/UniversalString.h"

#include <algorithm>
#include <cstdio>

#include "platform/CodePage.h"
#include "text/CharClass.h"
#include "text/DynString.h"
#include "text/PlainSearch.h"

namespace tavrel {
namespace {

// Both builds print the same digits for every value they can both hold;
// only the 64-bit long of Linux can carry more.
std::u16string NumberText(long value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%ld", value);
    std::u16string out;
    for (const char* p = buf; *p != '\0'; ++p) {
        out += static_cast<char16_t>(static_cast<unsigned char>(*p));
    }
    return out;
}

// Text that does not decode adds nothing.
std::u16string FromUtf8OrEmpty(std::string_view utf8) {
    std::u16string out;
    platform::Utf8ToUtf16(utf8, out);
    return out;
}

}  // namespace

UniversalString::UniversalString(const std::string& utf8) : text_(FromUtf8OrEmpty(utf8)) {}

UniversalString::UniversalString(const char* utf8) {
    if (utf8 != nullptr) {
        text_ = FromUtf8OrEmpty(utf8);
    }
}

UniversalString::UniversalString(const char16_t* wide) {
    if (wide != nullptr) {
        text_ = wide;
    }
}

void UniversalString::clear(bool resetStyle) {
    text_.clear();
    if (resetStyle) {
        this->resetStyle();
    }
}

bool UniversalString::assign(const char16_t* wide) {
    if (wide == nullptr) {
        return false;
    }
    std::u16string copy(wide);  // wide may point into text_
    clear(false);
    text_ = std::move(copy);
    return true;
}

bool UniversalString::fromAnsi(const char* ansi) {
    if (ansi == nullptr) {
        return false;
    }
    return platform::AnsiToUtf16(ansi, text_);
}

bool UniversalString::fromAnsi(const std::string& ansi) {
    return platform::AnsiToUtf16(ansi, text_);
}

bool UniversalString::fromAnsi(const DynString& ansi) {
    return platform::AnsiToUtf16(std::string_view(ansi.c_str(), ansi.length()), text_);
}

bool UniversalString::fromUtf8(const char* utf8) {
    if (utf8 == nullptr) {
        return false;
    }
    return platform::Utf8ToUtf16(utf8, text_);
}

bool UniversalString::fromUtf8(const std::string& utf8) {
    return platform::Utf8ToUtf16(utf8, text_);
}

void UniversalString::assignNumber(long value) {
    resetStyle();
    text_ = NumberText(value);
}

void UniversalString::assignChar(char16_t ch) {
    resetStyle();
    text_.assign(1, ch);
}

UniversalString& UniversalString::operator+=(const UniversalString& other) {
    text_ += other.text_;
    return *this;
}

UniversalString& UniversalString::operator+=(const std::string& utf8) {
    text_ += FromUtf8OrEmpty(utf8);
    return *this;
}

UniversalString& UniversalString::operator+=(const char* utf8) {
    if (utf8 != nullptr) {
        text_ += FromUtf8OrEmpty(utf8);
    }
    return *this;
}

UniversalString& UniversalString::operator+=(char16_t ch) {
    text_ += ch;
    return *this;
}

UniversalString& UniversalString::appendNumber(long value) {
    text_ += NumberText(value);
    return *this;
}

UniversalString UniversalString::operator+(const UniversalString& other) const {
    UniversalString out(*this);
    out += other;
    return out;
}

UniversalString UniversalString::operator+(const std::string& utf8) const {
    UniversalString out(*this);
    out += utf8;
    return out;
}

UniversalString UniversalString::operator+(const char* utf8) const {
    UniversalString out(*this);
    out += utf8;
    return out;
}

UniversalString UniversalString::operator+(char16_t ch) const {
    UniversalString out(*this);
    out += ch;
    return out;
}

UniversalString UniversalString::plusNumber(long value) const {
    UniversalString out(*this);
    out.appendNumber(value);
    return out;
}

std::string UniversalString::toUtf8() const {
    return platform::Utf16ToUtf8(text_);
}

std::string UniversalString::toAnsi() const {
    return platform::Utf16ToAnsi(text_);
}

void UniversalString::toAnsi(DynString& out) const {
    out = platform::Utf16ToAnsi(text_);
}

char16_t* UniversalString::copyWide() const {
    auto* out = new char16_t[text_.size() + 1];
    text_.copy(out, text_.size());
    out[text_.size()] = u'\0';
    return out;
}

void UniversalString::truncate(std::size_t i) {
    if (i < text_.size()) {
        text_.resize(i);
    }
}

bool UniversalString::endsWith(char16_t ch) const {
    return !text_.empty() && text_.back() == ch;
}

UniversalString UniversalString::substring(long from, long to) const {
    UniversalString out(*this);
    out.text_.clear();
    const long n = static_cast<long>(text_.size());
    if (to == -1) {
        to = n - 1;
    }
    if (n == 0 || from < 0 || from > to || to >= n) {
        return out;
    }
    out.text_.assign(text_, static_cast<std::size_t>(from),
                     static_cast<std::size_t>(to - from + 1));
    return out;
}

bool UniversalString::replaceRange(std::size_t index, std::size_t count,
                                   const UniversalString& with) {
    if (index >= text_.size()) {
        return false;
    }
    const std::u16string copy(with.text_);  // with may be *this
    text_.replace(index, count, copy);
    return true;
}

void UniversalString::toLower() {
    for (char16_t& ch : text_) {
        if (IsUpper(ch)) {
            ch = ToLower(ch);
        }
    }
}

bool UniversalString::operator==(const char* utf8) const {
    if (utf8 == nullptr) {
        return text_.empty();
    }
    std::u16string other;
    return platform::Utf8ToUtf16(utf8, other) && other == text_;
}

bool UniversalString::lessNoCase(const UniversalString& other) const {
    const std::size_t n = std::min(text_.size(), other.text_.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t a = ToLower(text_[i]);
        const char16_t b = ToLower(other.text_[i]);
        if (a != b) {
            return a < b;
        }
    }
    return text_.size() < other.text_.size();
}

long UniversalString::Find(const UniversalString& pattern, long from, std::uint32_t options) const {
    return tavrel::Find(text_, pattern.text_, from, options);
}

std::uint32_t UniversalString::ReplaceAll(const UniversalString& pattern,
                                          const UniversalString& replacement,
                                          std::uint32_t options) {
    return tavrel::ReplaceAll(text_, pattern.text_, replacement.text_, options);
}

}  // namespace tavrel
