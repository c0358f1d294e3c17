// Code-page conversion through the system: the process's ANSI code page and
// UTF-8, strict on decoding so that bad input is never half converted.
#include "platform/CodePage.h"

#include <windows.h>

#include <climits>

#include "text/Ascii.h"

namespace tavrel::platform {
namespace {

bool Decode(UINT codePage, std::string_view in, std::u16string& out) {
    in = TerminatedView(in.data(), in.size());
    out.clear();
    if (in.empty()) {
        return true;
    }
    if (in.size() > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    const int inLen = static_cast<int>(in.size());
    const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), inLen, nullptr, 0);
    if (n <= 0) {
        return false;
    }
    std::u16string result(static_cast<std::size_t>(n), u'\0');
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), inLen,
                            reinterpret_cast<wchar_t*>(&result[0]), n) != n) {
        return false;
    }
    out = std::move(result);
    return true;
}

std::string Encode(UINT codePage, std::u16string_view in, bool* lossless) {
    in = TerminatedView(in.data(), in.size());
    if (lossless) {
        *lossless = true;
    }
    if (in.empty() || in.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::string();
    }
    const auto* src = reinterpret_cast<const wchar_t*>(in.data());
    const int inLen = static_cast<int>(in.size());
    const int n = WideCharToMultiByte(codePage, 0, src, inLen, nullptr, 0, nullptr, nullptr);
    if (n <= 0) {
        return std::string();
    }
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, src, inLen, &out[0], n, nullptr, nullptr);
    if (lossless) {
        // Best-fit mappings ('\u0100' to 'A') use no default character, so
        // only a round trip tells whether the text survived.
        std::u16string back;
        *lossless = Decode(codePage, out, back) && back == in;
    }
    return out;
}

}  // namespace

bool AnsiToUtf16(std::string_view ansi, std::u16string& out) {
    return Decode(CP_ACP, ansi, out);
}

bool Utf8ToUtf16(std::string_view utf8, std::u16string& out) {
    return Decode(CP_UTF8, utf8, out);
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return Encode(CP_UTF8, text, nullptr);
}

std::string Utf16ToAnsi(std::u16string_view text, bool* lossless) {
    return Encode(CP_ACP, text, lossless);
}

}  // namespace tavrel::platform
