// The three dialog templates as plain data, read from the same lists the
// resource script is made from; the headless stand-in builds its windows
// from them and tests compare real windows with them.
#pragma once

#include "ui/DialogTemplate.h"

namespace tavrel {

const DialogTemplate& MainDialogTemplate();
const DialogTemplate& StyleDialogTemplate();
const DialogTemplate& AboutDialogTemplate();

// Registers the three with the toolkit (again is harmless).
void RegisterLexoraTemplates();

}  // namespace tavrel
