// The steps of the main dialog that more than one file runs: rebuilding the
// option word from the boxes, setting the boxes from it, and enabling the
// boxes for the options area's state; and the commands of its buttons.
#pragma once

#include "search/dialogs/Dialogs.h"

namespace tavrel {

// The option word rebuilt from the boxes.
void Collect(Uwindow& dialog, FindReplaceState& state);
// The boxes and style descriptions from the word, then Update options and
// Collect.
void Apply(Uwindow& dialog, FindReplaceState& state);
// "Search Everywhere" from the word; the boxes enabled or disabled for it and
// the options area's state; the expander's texts.
void UpdateOptions(Uwindow& dialog, const FindReplaceState& state);

// "Use Style..." beside the search text (forSearch) or the replacement.
void UseStyle(Uwindow& dialog, FindReplaceState& state, bool forSearch);
// "Replace All": the request from the controls, every document it names,
// and the host's alert with the total while the dialog is disabled.
void RunReplaceAllFromDialog(Uwindow& dialog, FindReplaceState& state);
// "Help": the host's help topic of the dialog.
void OpenHelp();

}  // namespace tavrel
