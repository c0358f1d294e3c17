// A fixture that leaves the shell's process-wide state as it found it: no
// model, no entry-point model, no host window, no dialog opener, and the
// default language "en".
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "plugin/EntryPoints.h"
#include "plugin/Model.h"
#include "strings/Dictionary.h"
#include "strings/ResourceStrings.h"

namespace lexora_test {

inline void ResetShell() {
    tavrel::Model::DestroyInstance();
    tavrel::SetEntryPointModel(nullptr);
    tavrel::SetHostWindow(nullptr);
    tavrel::SetMainDialogOpener(nullptr);
    resource_string::SetDefaultLanguage("en");
}

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetShell(); }
    void TearDown() override { ResetShell(); }
};

// Strings read from a document in memory instead of the library's resource.
inline std::unique_ptr<resource_string::ResourceStrings> StringsFrom(const std::string& xml) {
    auto strings = std::make_unique<resource_string::ResourceStrings>(nullptr);
    EXPECT_TRUE(strings->LoadFromText(xml));
    return strings;
}

// A document whose "lexo-messages" holds just these two texts (UTF-8).
inline std::string MenuDocument(const std::string& menuText, const std::string& undoText) {
    return "<dictionaries><dictionary name=\"lexo-messages\">"
           "<entry key=\"menu-item-name\"><string content=\"" +
           menuText +
           "\"/></entry>"
           "<entry key=\"undo-item\"><string content=\"" +
           undoText + "\"/></entry></dictionary></dictionaries>";
}

}  // namespace lexora_test
