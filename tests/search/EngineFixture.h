// Test support for the engine: documents read from short score JSON (the
// simulator's own reader builds their records), the score with the word
// "Allegro" in every kind of text, readers for what the engine wrote back,
// and a fixture that gives every test a fresh simulated host and bindings.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "host/HostApi.h"
#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"
#include "search/RecordStyle.h"
#include "sim/codec/Document.h"
#include "sim/host/Simulator.h"
#include "text/UniversalString.h"

namespace tavrel {

inline bool operator==(const StyleTriplet& a, const StyleTriplet& b) {
    return a.font == b.font && a.size == b.size && a.bits == b.bits;
}
inline void PrintTo(const StyleTriplet& t, std::ostream* os) {
    *os << "{font " << t.font << ", size " << t.size << ", bits " << t.bits << "}";
}

}  // namespace tavrel

namespace tavrel::testing_support {

inline RecordKey Key(std::uint16_t first, std::uint16_t second = 0) {
    RecordKey key;
    key.first = first;
    key.second = second;
    return key;
}

// The score file shared by the engine, end-to-end and dialog tests: the word
// "Allegro" once in every kind of text the search reaches (the staff-style
// name too), every style-carrying record in font 0, size 12, no bits, and
// articulation slots 'A' and 'B' in font 3 ("Notaglyph"), size 24.
std::string EveryKindScoreJson();

// A document from score sections, e.g. R"("texts": {"txxp": {"1": "a"}})".
sim::Document ScoreOf(const std::string& sections);

// Readers of one open document.
std::string TextOf(std::int16_t document, RecordTag kind, RecordKey key);
sim::Bytes RecordOf(std::int16_t document, RecordTag tag, RecordKey key);
StyleTriplet TripletOf(std::int16_t document, RecordTag tag, RecordKey key, std::size_t at);
std::string StaffStyleNameOf(std::int16_t document, std::uint16_t number);

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    static sim::Simulator& Sim() { return sim::Simulator::Instance(); }
    // Opens a document from score sections; the first one opened is current.
    std::int16_t Open(const std::string& sections) { return Sim().Open(ScoreOf(sections)); }
    std::int16_t OpenEveryKind();
    // Replaces in the current document without styles.
    static std::uint32_t Run(const std::string& search, const std::string& replace,
                             std::uint32_t options);
    // From now on the plug-in binds `name` to `function` instead of the
    // simulator's export; every other name binds as usual.
    void OverrideExport(const std::string& name, void* function);

  private:
    bool overridden_ = false;
};

}  // namespace tavrel::testing_support
