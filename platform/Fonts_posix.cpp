// Without a font system to ask, the same common names on every run, so
// scripted sessions and their tests see one list.
#include "platform/Fonts.h"

namespace tavrel::platform {

std::vector<std::u16string> SystemFontNames(void* /*window*/) {
    return {u"Arial",   u"Arial Black",     u"Comic Sans MS", u"Courier New",
            u"Georgia", u"Impact",          u"MS Sans Serif", u"Segoe UI",
            u"Tahoma",  u"Times New Roman", u"Trebuchet MS",  u"Verdana"};
}

}  // namespace tavrel::platform
