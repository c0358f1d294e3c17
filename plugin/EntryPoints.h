// The six functions the host finds by name in the library. They use the
// default C calling convention and undecorated names; nothing thrown inside
// ever reaches the host.
#pragma once

#include <cstdint>

#if defined(_WIN32)
// The module definition file names the exports.
#define LEXORA_EXPORT
#else
#define LEXORA_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// Gets or creates the model and keeps it for the other entry points; returns
// the interface version word, or 0 when there is no model.
LEXORA_EXPORT std::uint32_t NotavoExtensionVersion(std::uint32_t hostValue);
// Writes 0 into *out (when given); always 1.
LEXORA_EXPORT std::uint32_t NotavoExtensionInit(std::uint32_t unused, std::uint32_t* out);
// Keeps hostWindow; describes the one menu item for index 0 and returns 1,
// returns 0 for any other index without touching item.
LEXORA_EXPORT std::int16_t NotavoExtensionEnumerate(void* hostWindow, std::int16_t index,
                                                    void* item);
LEXORA_EXPORT std::uint32_t NotavoExtensionGetMenuStatus(std::int16_t index);
// Opens (or brings forward) the main dialog for an index below 1; always 0.
LEXORA_EXPORT std::int16_t NotavoExtensionInvoke(void* window, std::int16_t index,
                                                 std::uint32_t unused1, std::uint32_t unused2);
LEXORA_EXPORT void NotavoExtensionTerminate(std::uint32_t value);

}  // extern "C"

namespace tavrel {

// What choosing the menu item runs: opens the main dialog owned by window, or
// brings it to the front. Null (nothing to open) until the dialog registers.
using MainDialogOpener = void (*)(void* ownerWindow);
void SetMainDialogOpener(MainDialogOpener opener);
MainDialogOpener GetMainDialogOpener();

}  // namespace tavrel
