// Code-page conversion where the system has no ANSI code page: Windows-1252
// stands in for it, and UTF-8 is decoded strictly, as the Windows functions
// do with MB_ERR_INVALID_CHARS.
#include "platform/CodePage.h"

#include <cstdint>

#include "text/Ascii.h"

namespace tavrel::platform {
namespace {

// 0x80-0x9F of Windows-1252. The five bytes the code page leaves undefined
// map to the C1 controls of the same value, as the system tables do.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t DecodeAnsiByte(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) {
        return kHighControls[b - 0x80];
    }
    return char16_t(b);
}

// 0 when the unit has no byte in the code page.
unsigned char EncodeAnsiUnit(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<unsigned char>(u);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == u) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return 0;
}

// Decodes one UTF-8 sequence at s[i]; false for anything the strict
// decoder rejects (stray continuation, overlong, surrogate, > U+10FFFF,
// truncated).
bool DecodeUtf8At(std::string_view s, std::size_t& i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        ++i;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
        return false;
    }
    if (s.size() - i <= static_cast<std::size_t>(extra)) {
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return false;
    }
    i += extra + 1;
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool AnsiToUtf16(std::string_view ansi, std::u16string& out) {
    ansi = TerminatedView(ansi.data(), ansi.size());
    out.clear();
    out.reserve(ansi.size());
    for (char c : ansi) {
        out += DecodeAnsiByte(static_cast<unsigned char>(c));
    }
    return true;
}

bool Utf8ToUtf16(std::string_view utf8, std::u16string& out) {
    utf8 = TerminatedView(utf8.data(), utf8.size());
    std::u16string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        if (!DecodeUtf8At(utf8, i, cp)) {
            out.clear();
            return false;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (cp >> 10));
            result += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            result += static_cast<char16_t>(cp);
        }
    }
    out = std::move(result);
    return true;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    text = TerminatedView(text.data(), text.size());
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;  // an unpaired surrogate has no UTF-8 form
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf16ToAnsi(std::u16string_view text, bool* lossless) {
    text = TerminatedView(text.data(), text.size());
    std::string out;
    out.reserve(text.size());
    bool exact = true;
    for (char16_t u : text) {
        const unsigned char b = EncodeAnsiUnit(u);
        if (b == 0) {
            out += '?';
            exact = false;
        } else {
            out += static_cast<char>(b);
        }
    }
    if (lossless) {
        *lossless = exact;
    }
    return out;
}

}  // namespace tavrel::platform
