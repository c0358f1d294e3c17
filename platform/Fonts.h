// The font families the system offers, by their full names, for the font
// list of the Font & Style dialog. Windows enumerates its installed fonts;
// elsewhere a fixed list of common names stands in for them.
#pragma once

#include <string>
#include <vector>

namespace tavrel::platform {

// Every font the system reports, in the order it reports them (repeats
// included: Windows lists a family once per character set). window is the
// window whose device context the enumeration uses; null means the screen.
std::vector<std::u16string> SystemFontNames(void* window);

}  // namespace tavrel::platform
