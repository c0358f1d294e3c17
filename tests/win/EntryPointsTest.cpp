// The plug-in as the host sees it: lexora.dll loaded with LoadLibraryW and
// its six entry points found by their undecorated names.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>

namespace {

HMODULE Plugin() {
    static HMODULE module = LoadLibraryW(L"lexora.dll");
    return module;
}

template <typename F>
F Entry(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(Plugin(), name)));
}

using VersionFn = std::uint32_t (*)(std::uint32_t);
using InitFn = std::uint32_t (*)(std::uint32_t, std::uint32_t*);
using EnumerateFn = std::int16_t (*)(void*, std::int16_t, void*);
using MenuStatusFn = std::uint32_t (*)(std::int16_t);
using InvokeFn = std::int16_t (*)(void*, std::int16_t, std::uint32_t, std::uint32_t);
using TerminateFn = void (*)(std::uint32_t);

TEST(EntryPointsTest, TheLibraryLoadsAndExportsTheSixEntryPoints) {
    ASSERT_NE(nullptr, Plugin()) << "LoadLibraryW(lexora.dll) failed: " << GetLastError();
    for (const char* name :
         {"NotavoExtensionVersion", "NotavoExtensionInit", "NotavoExtensionEnumerate",
          "NotavoExtensionGetMenuStatus", "NotavoExtensionInvoke", "NotavoExtensionTerminate"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(Plugin(), name)));
    }
}

TEST(EntryPointsTest, TheHostsCallingSequence) {
    ASSERT_NE(nullptr, Plugin());
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
    EXPECT_STREQ("Lexora ...", reinterpret_cast<const char*>(item));
    EXPECT_STREQ("Lexora ...", reinterpret_cast<const char*>(item + 0x40));
    EXPECT_STREQ("Lexora", reinterpret_cast<const char*>(item + 0x80));
    for (int i : {0xC0, 0xC1, 0xC2, 0xC3, 0xCA, 0xCB, 0xCC, 0xCD}) {
        EXPECT_EQ(0, item[i]) << "byte " << i;
    }
    for (int i = 0xC4; i < 0xCA; ++i) {
        EXPECT_EQ(0xAB, item[i]) << "byte " << i;
    }
    unsigned char untouched[0xCE];
    std::memset(untouched, 0x5A, sizeof untouched);
    EXPECT_EQ(0, enumerate(nullptr, 1, untouched));
    EXPECT_EQ(0x5A, untouched[0]);

    EXPECT_EQ(1u, status(0));
    EXPECT_EQ(0, invoke(nullptr, 1, 0, 0));
    terminate(0);
}

}  // namespace
