// A fixture that leaves the shell's process-wide state as it found it (no
// model, no entry-point model, no host window, no dialog opener, and the
// default language "en"), and the bytes a described menu item record holds.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "plugin/EntryPoints.h"
#include "plugin/model/Model.h"
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

// A menu item record (0xCE bytes) with room after it, every byte 0xAB.
using RecordBuffer = std::array<unsigned char, 0xCE + 16>;
inline RecordBuffer Filled() {
    RecordBuffer bytes;
    bytes.fill(0xAB);
    return bytes;
}
inline std::string Bytes(const RecordBuffer& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The 64 bytes a field holds for a text: the text, then zeros.
inline std::string Field(const std::string& text) {
    return text + std::string(64 - text.size(), '\0');
}

// A filled buffer after a description: menuText and menuText2, undoText,
// word1 and word2 zero, six bytes the host keeps, long1 zero (unaligned at
// 0xCA), and nothing written past the record.
inline std::string DescribedRecord(const std::string& menuField, const std::string& undoField) {
    return menuField + menuField + undoField + std::string(4, '\0') + std::string(6, '\xAB') +
           std::string(4, '\0') + std::string(16, '\xAB');
}

}  // namespace lexora_test
