// Helpers for driving the plug-in under Windows: lexora.dll and its entry
// points, the templates as the resource script lists them, finding a dialog
// by its title, the direct children of a window in creation order, typing,
// and saving a window's picture as a BMP file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource.h"

namespace wintest {

// lexora.dll, loaded once with LoadLibraryW as the host loads it.
HMODULE Plugin();
// An entry point found by its undecorated name.
template <typename F>
F Entry(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(Plugin(), name)));
}

struct TemplateItem {
    int id;
    const char* className;
    const char* text;
    int x, y, width, height;
    unsigned style;
};

#define LEXORA_DIALOG(id, title, width, height, style, exStyle)
#define LEXORA_CONTROL(id, className, text, x, y, width, height, style) \
    {id, className, text, x, y, width, height, static_cast<unsigned>(style)},
#define LEXORA_DIALOG_END
inline const std::vector<TemplateItem> kMainItems = {
#include "resources/MainDialog.inc"
};
inline const std::vector<TemplateItem> kStyleItems = {
#include "resources/StyleDialog.inc"
};
#undef LEXORA_DIALOG
#undef LEXORA_CONTROL
#undef LEXORA_DIALOG_END

// The visible dialog window of this thread with that title, or null.
HWND FindDialog(const wchar_t* title);
std::vector<HWND> Children(HWND parent);
// Replaces an edit field's text with text, one WM_CHAR at a time.
void Type(HWND edit, const std::wstring& text);
std::wstring Text(HWND window);
// The window as it is on the screen, into a 24-bit BMP file.
bool SaveScreenshot(HWND window, const wchar_t* path);

}  // namespace wintest
