// A scripted stand-in for the host program's HX_ exports, installed through
// the module lookup seam: it keeps records by tag and key, answers the
// document and window callbacks from plain fields, and logs every call with
// its arguments so tests can check what the plug-in sent.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "host/HostApi.h"

namespace tavrel::fakehost {

struct Call {
    std::string name;
    RecordTag tag = 0;
    RecordKey key{};  // as the plug-in passed it, before the host moved it
    bool hasBuffer = false;
    bool hasSize = false;       // load: the size pointer was given
    std::uint32_t size = 0;     // by value, or *size on entry
    std::uint32_t version = 0;  // the last argument, always
    std::int32_t a = 0, b = 0, c = 0;
    void* window = nullptr;
    std::string text8;
    std::u16string text16;
    std::vector<std::uint8_t> saved;  // the bytes a save handed over
};

using LoadHook = std::function<std::int16_t(RecordTag, RecordKey*, void*, std::uint32_t*)>;

struct Stored {
    std::vector<std::uint8_t> bytes;
    std::uint32_t size = 0;  // units for text records, bytes otherwise
};

class FakeHost {
  public:
    // Records. Text record sizes count UTF-16 units, like the host's.
    void PutRecord(RecordTag tag, RecordKey key, std::vector<std::uint8_t> bytes);
    void PutText(RecordTag tag, RecordKey key, const std::u16string& unitsWithZero,
                 std::uint32_t declaredUnits);
    bool IsText(RecordTag tag) const;

    std::vector<Call> CallsNamed(const std::string& name) const;

    std::map<std::tuple<RecordTag, std::uint16_t, std::uint16_t>, Stored> records;
    std::set<std::string> missing;  // exports this host lacks
    std::vector<Call> calls;
    bool refuseSaves = false;
    LoadHook loadHook;  // when set, answers every load instead of the records

    std::int16_t currentDocument = 0;
    std::vector<std::int16_t> documents;
    std::u16string pathToWrite;  // up to 260 units, written without a zero if that long
    std::int16_t windowCount = 0;
    std::vector<std::pair<std::int16_t, std::uint32_t>> windows;  // document, window
    std::uint32_t currentWindow = 0;
    std::uint16_t fontNumberAnswer = 0;
    std::int16_t startEditResult = 7;
    std::int16_t endEditResult = 9;
    std::int16_t alertResult = 1;
};

// The one fake of the test program.
FakeHost& Fake();

// The seam's resolver: the fake's function for an export name, null when
// the name is unknown or listed in Fake().missing.
void* Resolve(const char* name);

// Installs a fresh fake and forgets any earlier binding; removes it after.
class FakeHostTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace tavrel::fakehost
