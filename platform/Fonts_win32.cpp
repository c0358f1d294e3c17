// The installed fonts through EnumFontFamiliesExW: every family in every
// character set, by the full name the system gives it.
#include "platform/Fonts.h"

#include <windows.h>

namespace tavrel::platform {
namespace {

int CALLBACK AddFont(const LOGFONTW* logFont, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                     LPARAM names) {
    // Whatever the font type, the record begins with an ENUMLOGFONTEXW.
    const auto* full = reinterpret_cast<const ENUMLOGFONTEXW*>(logFont);
    const wchar_t* name = full->elfFullName;
    std::size_t length = 0;
    while (length < LF_FULLFACESIZE && name[length] != L'\0') {
        ++length;
    }
    try {
        reinterpret_cast<std::vector<std::u16string>*>(names)->emplace_back(
            reinterpret_cast<const char16_t*>(name), length);
    } catch (...) {
        return 0;  // out of memory: stop with what was listed
    }
    return 1;
}

}  // namespace

std::vector<std::u16string> SystemFontNames(void* window) {
    std::vector<std::u16string> names;
    HWND hwnd = static_cast<HWND>(window);
    HDC dc = GetDC(hwnd);
    if (dc == nullptr) {
        return names;
    }
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    query.lfFaceName[0] = L'\0';
    query.lfPitchAndFamily = 0;
    EnumFontFamiliesExW(dc, &query, AddFont, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(hwnd, dc);
    return names;
}

}  // namespace tavrel::platform
