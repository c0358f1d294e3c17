// Window handles cross the portable code as opaque values; only ui/win32/
// and platform/ know they are HWNDs.
#pragma once

#include <cstdint>

namespace tavrel {

using WindowHandle = void*;

// A window handle in a 32-bit word, as the tree browser's notice carries it.
// Window handles are 32-bit values on 64-bit Windows too (the system
// sign-extends them), so the round trip through a word keeps them; the
// headless stand-in numbers its windows small for the same reason.
inline std::uint32_t HandleToWord(WindowHandle handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}
inline WindowHandle WordToHandle(std::uint32_t word) {
    return reinterpret_cast<WindowHandle>(
        static_cast<std::intptr_t>(static_cast<std::int32_t>(word)));
}

}  // namespace tavrel
