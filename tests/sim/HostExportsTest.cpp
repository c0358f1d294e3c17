// Tests that the simulated host's callbacks are exported by name and reach
// the process's simulator, and that one can be hidden from the plug-in.
#include <gtest/gtest.h>

#include <string>

#include "host/HostApi.h"
#include "host/HostCallbacks.h"
#include "platform/Module.h"
#include "platform/ModuleSystem.h"
#include "sim/RecordKinds.h"
#include "sim/Simulator.h"

namespace tavrel::sim {
namespace {

class HostExportsTest : public ::testing::Test {
  protected:
    void SetUp() override { Simulator::Instance().Reset(); }
    void TearDown() override {
        Simulator::Instance().Reset();
        host::ResetBindingForTesting();
    }

    static void* Lookup(const char* name) {
        return platform::FindFunction(platform::FindModule("NOTAVO.EXE"), name);
    }
};

TEST_F(HostExportsTest, ExportsReachTheProcessSimulator) {
    Document document;
    document.PutText(Tag("txbl"), MakeKey(4), u"Viola");
    Simulator::Instance().Open(std::move(document));

    auto load = reinterpret_cast<HX_LoadEData_t>(Lookup("HX_LoadEData"));
    ASSERT_NE(load, nullptr);
    RecordKey key = MakeKey(4);
    std::uint32_t size = 0;
    ASSERT_EQ(load(Tag("txbl"), &key, nullptr, &size, kInterfaceVersion), 1);
    EXPECT_EQ(size, 6u);
    char16_t text[6];
    ASSERT_EQ(load(Tag("txbl"), &key, text, &size, kInterfaceVersion), 1);
    EXPECT_EQ(std::u16string(text), u"Viola");

    auto start = reinterpret_cast<HX_StartNotavoEdit_UTF16_t>(Lookup("HX_StartNotavoEdit_UTF16"));
    ASSERT_NE(start, nullptr);
    start(u"Lexora", kInterfaceVersion);
    EXPECT_EQ(Simulator::Instance().OpenEdits(), 1);
}

TEST_F(HostExportsTest, ADroppedExportIsMissingToThePluginWhileTheOthersAnswer) {
    Simulator::Instance().Open(Document());
    EXPECT_EQ(host::GetCurrentDocument(), 1);

    Simulator::Instance().GetFaults().DropExport("HX_GetCurrentKorvidDocument");
    EXPECT_EQ(Lookup("HX_GetCurrentKorvidDocument"), nullptr);
    host::ResetBindingForTesting();  // the plug-in remembers what it bound
    EXPECT_EQ(host::GetCurrentDocument(), 0);
    EXPECT_EQ(host::GetWindowCount(), 1);  // the other callbacks still answer

    Simulator::Instance().GetFaults().Clear();
    EXPECT_NE(Lookup("HX_GetCurrentKorvidDocument"), nullptr);
}

}  // namespace
}  // namespace tavrel::sim
