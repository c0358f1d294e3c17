// Under Windows, the plug-in's binding finds the host's callbacks in
// NOTAVO.EXE by their export names and reads a score's records through them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"
#include "host/TypedRecords.h"
#include "platform/Module.h"
#include "sim/Document.h"
#include "sim/Simulator.h"
#include "text/UniversalString.h"

namespace tavrel {
namespace {

class HostBindingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::Simulator::Instance().Reset();
        host::ResetBindingForTesting();
        sim::Document document;
        document.PutText(layout::kExpressionText, RecordKey{3, 0}, u"^size(14)Allegro");
        sim::Simulator::Instance().Open(std::move(document));
    }
    void TearDown() override { sim::Simulator::Instance().Reset(); }
};

TEST_F(HostBindingTest, TheTestHostIsTheModuleTheBindingLooksFor) {
    EXPECT_EQ(GetModuleHandleA(nullptr), GetModuleHandleA(host::kHostModuleName));
    EXPECT_NE(nullptr,
              reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), "HX_LoadEData")));
}

TEST_F(HostBindingTest, ATextRecordLoadsThroughTheExportedCallbacks) {
    platform::ResetFunctionLookupCount();
    UniversalString text;
    ASSERT_TRUE(LoadText(3, text, layout::kExpressionText));
    EXPECT_EQ(u"^size(14)Allegro", text.text());
    EXPECT_FALSE(LoadText(4, text, layout::kExpressionText));
    // Bound once, whatever the number of calls.
    EXPECT_EQ(1u, platform::FunctionLookupCount());
    EXPECT_EQ(1, host::GetCurrentDocument());
}

}  // namespace
}  // namespace tavrel
