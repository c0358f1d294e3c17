// A dialog template as plain data: what the resource script says about a
// dialog and its controls, for the code that cannot read Windows resources
// (the headless stand-in builds its in-memory controls from it) and for
// tests that compare real windows with their template.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrel {

struct DialogItemTemplate {
    std::int32_t id;                   // dialog-item id; -1 for labels and frames
    const char* className;             // "Button", "Edit", "Static", "SysTreeView32", ...
    const char* text;                  // UTF-8
    std::int16_t x, y, width, height;  // dialog units
    std::uint32_t style;               // window style bits as the resource script gives them
};

struct DialogTemplate {
    std::uint16_t id;
    const char* title;           // UTF-8
    std::int16_t width, height;  // dialog units
    std::uint32_t style;
    const DialogItemTemplate* items;
    std::size_t itemCount;
};

// The templates a module carries, registered once by the code that owns
// them; the registry keeps the pointer, so the template must outlive it.
void RegisterDialogTemplate(const DialogTemplate* dialog);
const DialogTemplate* FindDialogTemplate(std::uint16_t id);

}  // namespace tavrel
