// Calls an entry point the way the host does: through a plain C function
// pointer with the default calling convention, arguments pushed right to
// left and removed again by the caller. On 32-bit x86 it also measures the
// stack pointer, so a function that removes its own arguments (or too many)
// is caught; 64-bit Windows has one convention and nothing to measure.
#pragma once

#include <cstdint>

struct CdeclResult {
    std::uint32_t value = 0;     // the 32-bit result register
    std::int32_t imbalance = 0;  // bytes the stack pointer moved beyond the caller's clean-up
};

#if defined(__i386__)
inline CdeclResult CallCdecl(const void* function, const std::uint32_t* args, std::uint32_t count) {
    CdeclResult r;
    asm volatile(
        "movl %%esp, %%edi\n\t"
        "movl %%ebx, %%ecx\n\t"
        "1:\n\t"
        "testl %%ecx, %%ecx\n\t"
        "jz 2f\n\t"
        "pushl -4(%%esi,%%ecx,4)\n\t"
        "decl %%ecx\n\t"
        "jmp 1b\n\t"
        "2:\n\t"
        "call *%%eax\n\t"
        "leal (%%esp,%%ebx,4), %%ecx\n\t"
        "subl %%edi, %%ecx\n\t"
        "movl %%edi, %%esp\n\t"
        : "=a"(r.value), "=c"(r.imbalance)
        : "0"(function), "b"(count), "S"(args)
        : "edi", "edx", "memory", "cc");
    return r;
}
#endif
