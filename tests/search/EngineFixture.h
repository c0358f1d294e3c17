// Test support for the engine: a builder of simulated documents from the
// record layouts the engine reads, readers for what it wrote back, and a
// fixture that gives every test a fresh simulated host and fresh bindings.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "host/HostApi.h"
#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"
#include "search/RecordStyle.h"
#include "sim/Document.h"
#include "sim/Simulator.h"
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

// Builds a document record by record, every unnamed byte zero.
class ScoreBuilder {
  public:
    ScoreBuilder& Path(const std::string& utf8) {
        doc_.SetPath(utf8);
        return *this;
    }
    ScoreBuilder& Font(std::uint16_t number, const std::string& ansiName, std::uint16_t arg);
    ScoreBuilder& Text(RecordTag kind, std::uint16_t number, const std::string& utf8);
    ScoreBuilder& TextBlock(std::uint16_t block, std::uint16_t text) {
        return U16s(layout::textblock::kTag, Key(block), layout::textblock::kSize,
                    {{layout::textblock::kText, text}});
    }
    ScoreBuilder& Staff(std::uint16_t number, std::uint16_t block1, std::uint16_t block2) {
        namespace st = layout::staff;
        return U16s(st::kTag, Key(number), st::kSize,
                    {{st::kBlock1, block1}, {st::kBlock2, block2}});
    }
    ScoreBuilder& StaffStyle(std::uint16_t number, std::uint16_t block1, std::uint16_t block2,
                             const std::string& ansiName);
    ScoreBuilder& Group(std::uint16_t number, std::uint16_t block1, std::uint16_t block2) {
        namespace gr = layout::group;
        return U16s(gr::kTag, Key(number), gr::kSize,
                    {{gr::kBlock1, block1}, {gr::kBlock2, block2}});
    }
    ScoreBuilder& Pages(std::uint16_t count);
    ScoreBuilder& PageBlock(std::uint16_t page, std::uint16_t index, std::uint16_t block) {
        namespace pb = layout::pageblock;
        return U16s(pb::kTag, Key(page, index), pb::kSize, {{pb::kBlock, block}});
    }
    ScoreBuilder& MeasureBlock(std::uint16_t measure, std::uint16_t block) {
        namespace mb = layout::measureblock;
        return U16s(mb::kTag, Key(measure), mb::kSize, {{mb::kBlock, block}});
    }
    ScoreBuilder& Repeat(std::uint16_t number, const std::string& utf8, StyleTriplet style);
    ScoreBuilder& Ending(std::uint16_t number, const std::string& utf8) {
        return Text(layout::kEndingText, number, utf8);
    }
    ScoreBuilder& TwoStyle(std::uint16_t number, StyleTriplet a, StyleTriplet b) {
        namespace two = layout::twostyle;
        return Styles(two::kTag, number, two::kSize, two::kStyles, {a, b});
    }
    ScoreBuilder& ThreeStyle(std::uint16_t number, StyleTriplet a, StyleTriplet b, StyleTriplet c) {
        namespace three = layout::threestyle;
        return Styles(three::kTag, number, three::kSize, three::kStyles, {a, b, c});
    }
    ScoreBuilder& Articulation(std::uint16_t number, std::uint32_t char1, StyleTriplet slot1,
                               std::uint32_t char2, StyleTriplet slot2, std::uint16_t flags);

    sim::Document Build() const { return doc_; }

  private:
    // A zeroed record of `size` bytes with the given 16-bit fields set.
    ScoreBuilder& U16s(RecordTag tag, RecordKey key, std::uint32_t size,
                       std::initializer_list<std::pair<std::size_t, std::uint16_t>> fields);
    // A zeroed record with the style triplets at the given offsets.
    ScoreBuilder& Styles(RecordTag tag, std::uint16_t number, std::uint32_t size,
                         const std::size_t* at, std::initializer_list<StyleTriplet> styles);
    sim::Document doc_;
};

// A document holding the word once in every kind of text the engine
// searches (staff-style name included), every style-carrying record in
// font 0, size 12, no bits, and articulation slots holding 'A' and 'B'.
ScoreBuilder EveryKindScore(const std::string& word);

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
    // Opens the document; the first one opened is current.
    std::int16_t Open(const ScoreBuilder& builder) { return Sim().Open(builder.Build()); }
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
