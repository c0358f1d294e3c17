// The plug-in's three dialogs and the state they share for the plug-in's
// life: the texts and styles typed, the option word, the options area's
// state, and the style handed to and back from the Font & Style dialog.
// Nothing of it is written anywhere; a new process starts afresh.
#pragma once

#include <cstdint>
#include <vector>

#include "search/dialogs/MainDialogRules.h"
#include "text/StringStyle.h"
#include "text/UniversalString.h"
#include "ui/Uwindow.h"

namespace tavrel {

struct FindReplaceState {
    UniversalString searchText;   // its style is the search filter
    UniversalString replaceText;  // its style is given to what is put in
    std::uint32_t options = 0;
    bool collapsed = true;            // the options area is hidden
    bool editingSearchStyle = false;  // the Font & Style dialog edits the search style
    StringStyle editedStyle;          // effects 0xFFFF after a cancel
    DialogSizes sizes;
};

struct LexoraDialogs {
    Uwindow main;
    Uwindow about;
    Uwindow style;
    FindReplaceState state;
    std::vector<UniversalString> fontList;  // the Font & Style dialog's rows
};

// Created on first use.
LexoraDialogs& Dialogs();
// Closes the three windows for good (the toolkit's hooks go with them) and
// forgets the state; for the library's unload.
void DestroyDialogs() noexcept;

// Opens the main dialog owned by owner, or brings it to the front, and
// (re)starts its timer. Always 1.
int OpenMainDialog(WindowHandle owner);
// The About dialog, modal, owned by owner.
void OpenAboutDialog(WindowHandle owner);
// The Font & Style dialog, modal, owned by owner, for the state's
// editedStyle; returns when it has closed. When it was not confirmed the
// style's effects are 0xFFFF afterwards.
void OpenStyleDialog(WindowHandle owner);

// The handlers the toolkit calls.
std::uint32_t MainDialogHandler(Uevent* event);
std::uint32_t AboutDialogHandler(Uevent* event);
std::uint32_t StyleDialogHandler(Uevent* event);

}  // namespace tavrel
