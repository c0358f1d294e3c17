// The plug-in as the host sees it: lexora.dll loaded with LoadLibraryW and
// its six entry points found by their undecorated names.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "CdeclCall.h"
#include "WinDialogs.h"

namespace {

using wintest::Entry;
using wintest::Plugin;

using VersionFn = std::uint32_t (*)(std::uint32_t);
using InitFn = std::uint32_t (*)(std::uint32_t, std::uint32_t*);
using EnumerateFn = std::int16_t (*)(void*, std::int16_t, void*);
using MenuStatusFn = std::uint32_t (*)(std::int16_t);
using InvokeFn = std::int16_t (*)(void*, std::int16_t, std::uint32_t, std::uint32_t);
using TerminateFn = void (*)(std::uint32_t);

TEST(EntryPointsTest, TheHostsCallingSequence) {
    ASSERT_NE(nullptr, Plugin()) << "LoadLibraryW(lexora.dll) failed: " << GetLastError();
    auto version = Entry<VersionFn>("NotavoExtensionVersion");
    auto init = Entry<InitFn>("NotavoExtensionInit");
    auto enumerate = Entry<EnumerateFn>("NotavoExtensionEnumerate");
    auto status = Entry<MenuStatusFn>("NotavoExtensionGetMenuStatus");
    auto invoke = Entry<InvokeFn>("NotavoExtensionInvoke");
    auto terminate = Entry<TerminateFn>("NotavoExtensionTerminate");
    ASSERT_TRUE(version && init && enumerate && status && invoke && terminate);

    EXPECT_EQ(0x11000000u, version(0x1234));
    std::uint32_t out = 0xDEADBEEF;
    EXPECT_EQ(1u, init(0, &out));
    EXPECT_EQ(0u, out);

    unsigned char item[0xCE];
    std::memset(item, 0xAB, sizeof item);
    EXPECT_EQ(1, enumerate(nullptr, 0, item));
    // The whole record as the host reads it: each text zero-padded to its 64
    // bytes, the two words and the unaligned long zero, 0xC4..0xC9 untouched.
    unsigned char expected[0xCE];
    std::memset(expected, 0, sizeof expected);
    std::memcpy(expected, "Lexora ...", 10);
    std::memcpy(expected + 0x40, "Lexora ...", 10);
    std::memcpy(expected + 0x80, "Lexora", 6);
    std::memset(expected + 0xC4, 0xAB, 6);
    for (std::size_t i = 0; i < sizeof item; ++i) {
        EXPECT_EQ(expected[i], item[i]) << "byte 0x" << std::hex << i;
    }
    unsigned char untouched[0xCE];
    std::memset(untouched, 0x5A, sizeof untouched);
    EXPECT_EQ(0, enumerate(nullptr, 1, untouched));
    EXPECT_EQ(0x5A, untouched[0]);

    EXPECT_EQ(1u, status(0));
    EXPECT_EQ(0, invoke(nullptr, 1, 0, 0));
    terminate(0);
}

#if defined(__i386__)
// The host calls every entry point through a plain function pointer with the
// default C convention: arguments pushed right to left and removed by the
// caller. A callee that removed them itself would corrupt the host's stack.
std::uint32_t Call(const char* name, std::initializer_list<std::uint32_t> args) {
    SCOPED_TRACE(name);
    const void* function = reinterpret_cast<const void*>(GetProcAddress(Plugin(), name));
    EXPECT_NE(nullptr, function);
    if (function == nullptr) {
        return 0xFFFFFFFFu;
    }
    CdeclResult r = CallCdecl(function, args.begin(), static_cast<std::uint32_t>(args.size()));
    EXPECT_EQ(0, r.imbalance) << "the stack is not balanced after the call";
    return r.value;
}

TEST(EntryPointsTest, EveryEntryPointLeavesTheCallersStackBalanced) {
    ASSERT_NE(nullptr, Plugin());
    std::uint32_t out = 0xDEADBEEF;
    unsigned char item[0xCE] = {};
    const auto address = [](const void* p) {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
    };
    EXPECT_EQ(0x11000000u, Call("NotavoExtensionVersion", {7}));
    EXPECT_EQ(1u, Call("NotavoExtensionInit", {0, address(&out)}));
    EXPECT_EQ(0u, out);
    EXPECT_EQ(1u, Call("NotavoExtensionEnumerate", {0, 0, address(item)}) & 0xFFFF);
    EXPECT_STREQ("Lexora ...", reinterpret_cast<const char*>(item));
    EXPECT_EQ(0u, Call("NotavoExtensionEnumerate", {0, 1, address(item)}) & 0xFFFF);
    EXPECT_EQ(1u, Call("NotavoExtensionGetMenuStatus", {3}));
    // Index 1 opens nothing, so no window is left behind by this test.
    EXPECT_EQ(0u, Call("NotavoExtensionInvoke", {0, 1, 0, 0}) & 0xFFFF);
    Call("NotavoExtensionTerminate", {0});
}
#endif

}  // namespace
