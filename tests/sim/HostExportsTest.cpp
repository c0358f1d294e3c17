// The simulated host's callbacks are exported by name (every engine test
// binds them); one can be hidden from the plug-in while the others answer.
#include <gtest/gtest.h>

#include <string>

#include "host/HostApi.h"
#include "host/HostCallbacks.h"
#include "platform/Module.h"
#include "platform/ModuleSystem.h"
#include "sim/codec/RecordKinds.h"
#include "sim/host/Simulator.h"

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
