// A scripted stand-in for the host program's HX_ exports, installed through
// the module lookup seam: it keeps byte records by tag and key, answers the
// other callbacks from plain fields, and logs every call with its arguments.
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
    std::uint32_t size = 0;            // by value, or *size on entry
    std::uint32_t version = 0;         // the last argument, always
    std::int32_t a = 0, b = 0, c = 0;  // the other numeric arguments, in order
    void* window = nullptr;
    std::u16string text;              // 8-bit text widened unit by unit
    std::vector<std::uint8_t> saved;  // the bytes a save handed over
};

// A record call's arguments as numbers: tag, the key's halves, size (or
// *size), and 1 when a buffer was given.
inline std::vector<std::uint32_t> RecordArgs(const Call& call) {
    return {call.tag, call.key.first, call.key.second, call.size, call.hasBuffer ? 1u : 0u};
}

using LoadHook = std::function<std::int16_t(RecordTag, RecordKey*, void*, std::uint32_t*)>;

struct FakeHost {
    void PutRecord(RecordTag tag, RecordKey key, std::vector<std::uint8_t> bytes) {
        records[{tag, key.first, key.second}] = std::move(bytes);
    }
    std::vector<Call> CallsNamed(const std::string& name) const;

    std::map<std::tuple<RecordTag, std::uint16_t, std::uint16_t>, std::vector<std::uint8_t>>
        records;
    std::set<std::string> missing;  // exports this host lacks
    std::vector<Call> calls;
    bool refuseSaves = false;
    LoadHook loadHook;  // when set, answers every load instead of the records

    std::u16string pathToWrite;  // up to 260 units, written without a zero if that long
    std::int16_t windowCount = 0;
    std::vector<std::pair<std::int16_t, std::uint32_t>> windows;  // document, window
    std::uint16_t fontNumberAnswer = 0;
};

// The one fake of the test program.
FakeHost& Fake();

// Installs a fresh fake and forgets any earlier binding; removes it after.
class FakeHostTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace tavrel::fakehost
