// The lookup seam: a resolver installed by a test answers every lookup, and
// each lookup is counted.
#include "platform/Module.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel::platform {
namespace {

int Marker() {
    return 7;
}

TEST(ModuleTest, ResolverAnswersAndLookupsAreCounted) {
    SetSymbolResolverForTesting([](const char* name) -> void* {
        return std::string(name) == "HX_Marker" ? reinterpret_cast<void*>(&Marker) : nullptr;
    });
    ResetFunctionLookupCount();
    ModuleHandle module = FindModule("NOTAVO.EXE");
    ASSERT_NE(nullptr, module);
    EXPECT_EQ(reinterpret_cast<void*>(&Marker), FindFunction(module, "HX_Marker"));
    EXPECT_EQ(nullptr, FindFunction(module, "HX_Missing"));
    EXPECT_EQ(2u, FunctionLookupCount());
    SetSymbolResolverForTesting(nullptr);
}

TEST(ModuleTest, SystemLookupOfAMissingSymbolGivesNull) {
    ModuleHandle module = FindModule("NOTAVO.EXE");
    EXPECT_EQ(nullptr, FindFunction(module, "HX_NoSuchCallbackAnywhere"));
    EXPECT_EQ(nullptr, FindFunction(nullptr, "HX_LoadEData"));
}

}  // namespace
}  // namespace tavrel::platform
