// What the dialogs read from the plug-in's model: localized strings, style
// descriptions and the module their templates live in. Each gives an empty
// answer when there is no model.
#pragma once

#include "platform/Module.h"
#include "text/UniversalString.h"

namespace tavrel {

UniversalString DialogString(const char* dictionary, const char* key);
UniversalString DescribeStyle(const UniversalString& text);
platform::ModuleHandle DialogModule();

}  // namespace tavrel
