// The engine tests' document builder, readers and fixture.
#include "EngineFixture.h"

#include <algorithm>

#include "platform/Module.h"
#include "platform/ModuleSystem.h"

namespace tavrel::testing_support {

namespace {

sim::Bytes Zeroed(std::uint32_t size) {
    return sim::Bytes(size, 0);
}

void PutTriplet(sim::Bytes& record, std::size_t at, StyleTriplet t) {
    WriteTriplet(record.data(), at, at + 2, at + 4, t);
}

void PutName(sim::Bytes& record, std::size_t at, const std::string& name, std::size_t max) {
    std::copy_n(name.begin(), std::min(name.size(), max), record.begin() + long(at));
}

}  // namespace

ScoreBuilder& ScoreBuilder::Font(std::uint16_t number, const std::string& ansiName,
                                 std::uint16_t arg) {
    sim::Bytes r = Zeroed(layout::font::kSize);
    layout::WriteU16(r.data(), layout::font::kArg, arg);
    PutName(r, layout::font::kName, ansiName, layout::font::kNameMax - 1);
    doc_.PutRecord(layout::font::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Text(RecordTag kind, std::uint16_t number, const std::string& utf8) {
    doc_.PutText(kind, Key(number), U16(utf8));
    return *this;
}

ScoreBuilder& ScoreBuilder::TextBlock(std::uint16_t block, std::uint16_t text) {
    sim::Bytes r = Zeroed(layout::textblock::kSize);
    layout::WriteU16(r.data(), layout::textblock::kText, text);
    doc_.PutRecord(layout::textblock::kTag, Key(block), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Staff(std::uint16_t number, std::uint16_t block1,
                                  std::uint16_t block2) {
    sim::Bytes r = Zeroed(layout::staff::kSize);
    layout::WriteU16(r.data(), layout::staff::kBlock1, block1);
    layout::WriteU16(r.data(), layout::staff::kBlock2, block2);
    doc_.PutRecord(layout::staff::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::StaffStyle(std::uint16_t number, std::uint16_t block1,
                                       std::uint16_t block2, const std::string& ansiName) {
    namespace ss = layout::staffstyle;
    sim::Bytes r = Zeroed(ss::kSize);
    layout::WriteU16(r.data(), ss::kBlock1, block1);
    layout::WriteU16(r.data(), ss::kBlock2, block2);
    PutName(r, ss::kName, ansiName, ss::kSize - ss::kName - 1);
    doc_.PutRecord(ss::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Group(std::uint16_t number, std::uint16_t block1,
                                  std::uint16_t block2) {
    sim::Bytes r = Zeroed(layout::group::kSize);
    layout::WriteU16(r.data(), layout::group::kBlock1, block1);
    layout::WriteU16(r.data(), layout::group::kBlock2, block2);
    doc_.PutRecord(layout::group::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Pages(std::uint16_t count) {
    for (std::uint16_t p = 1; p <= count; ++p) {
        doc_.PutRecord(layout::page::kTag, Key(p), Zeroed(layout::page::kSize));
    }
    return *this;
}

ScoreBuilder& ScoreBuilder::PageBlock(std::uint16_t page, std::uint16_t index,
                                      std::uint16_t block) {
    sim::Bytes r = Zeroed(layout::pageblock::kSize);
    layout::WriteU16(r.data(), layout::pageblock::kBlock, block);
    doc_.PutRecord(layout::pageblock::kTag, Key(page, index), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::MeasureBlock(std::uint16_t measure, std::uint16_t block) {
    sim::Bytes r = Zeroed(layout::measureblock::kSize);
    layout::WriteU16(r.data(), layout::measureblock::kBlock, block);
    doc_.PutRecord(layout::measureblock::kTag, Key(measure), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Repeat(std::uint16_t number, const std::string& utf8,
                                   StyleTriplet style) {
    namespace rs = layout::repeatstyle;
    doc_.PutText(layout::kRepeatText, Key(number), U16(utf8));
    sim::Bytes r = Zeroed(rs::kSize);
    WriteTriplet(r.data(), rs::kFont, rs::kSize16, rs::kBits, style);
    doc_.PutRecord(rs::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Ending(std::uint16_t number, const std::string& utf8) {
    doc_.PutText(layout::kEndingText, Key(number), U16(utf8));
    return *this;
}

ScoreBuilder& ScoreBuilder::TwoStyle(std::uint16_t number, StyleTriplet a, StyleTriplet b) {
    sim::Bytes r = Zeroed(layout::twostyle::kSize);
    PutTriplet(r, layout::twostyle::kStyles[0], a);
    PutTriplet(r, layout::twostyle::kStyles[1], b);
    doc_.PutRecord(layout::twostyle::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::ThreeStyle(std::uint16_t number, StyleTriplet a, StyleTriplet b,
                                       StyleTriplet c) {
    sim::Bytes r = Zeroed(layout::threestyle::kSize);
    PutTriplet(r, layout::threestyle::kStyles[0], a);
    PutTriplet(r, layout::threestyle::kStyles[1], b);
    PutTriplet(r, layout::threestyle::kStyles[2], c);
    doc_.PutRecord(layout::threestyle::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Articulation(std::uint16_t number, std::uint32_t char1,
                                         StyleTriplet slot1, std::uint32_t char2,
                                         StyleTriplet slot2, std::uint16_t flags) {
    namespace ar = layout::articulation;
    sim::Bytes r = Zeroed(ar::kSize);
    layout::WriteU32(r.data(), ar::kChar1, char1);
    WriteTriplet(r.data(), ar::kFont1, ar::kSize1, ar::kBits1, slot1);
    layout::WriteU32(r.data(), ar::kChar2, char2);
    WriteTriplet(r.data(), ar::kFont2, ar::kSize2, ar::kBits2, slot2);
    layout::WriteU16(r.data(), ar::kFlags, flags);
    doc_.PutRecord(ar::kTag, Key(number), r);
    return *this;
}

ScoreBuilder EveryKindScore(const std::string& word) {
    const StyleTriplet plain{0, 12, 0};
    ScoreBuilder b;
    b.Font(0, "Times New Roman", 4096)
        .Font(3, "Arial", 0)
        .Pages(1)
        .Text(layout::kTextBlockText, 1, "Violin " + word)   // staff
        .Text(layout::kTextBlockText, 2, "Style " + word)    // staff style
        .Text(layout::kTextBlockText, 3, "Group " + word)    // group
        .Text(layout::kTextBlockText, 4, "Page " + word)     // page-attached
        .Text(layout::kTextBlockText, 5, "Measure " + word)  // measure-attached
        .TextBlock(1, 1)
        .TextBlock(2, 2)
        .TextBlock(3, 3)
        .TextBlock(4, 4)
        .TextBlock(5, 5)
        .Staff(1, 1, 0)
        .StaffStyle(1, 2, 0, "Name " + word)
        .Group(1, 3, 0)
        .PageBlock(1, 0, 4)
        .MeasureBlock(12, 5)
        .Text(layout::kLyricsVerse, 1, "verse " + word)
        .Text(layout::kLyricsChorus, 1, "chorus " + word)
        .Text(layout::kLyricsSection, 1, "section " + word)
        .Text(layout::kSmartShapeText, 1, "shape " + word)
        .Text(layout::kFileInfoText, 1, "title " + word)
        .Text(layout::kFileInfoText, 7, "info7 " + word)
        .Text(layout::kExpressionText, 1, "tempo " + word)
        .Repeat(1, "repeat " + word, plain)
        .Ending(1, "ending " + word)
        .TwoStyle(1, plain, plain)
        .ThreeStyle(1, plain, plain, plain)
        .Articulation(1, 'A', plain, 'B', plain, 0);
    return b;
}

std::string TextOf(std::int16_t document, RecordTag kind, RecordKey key) {
    const sim::Document* doc = sim::Simulator::Instance().FindDocument(document);
    if (doc == nullptr) {
        return "<no document>";
    }
    const std::u16string* text = doc->FindText(kind, key);
    return text != nullptr ? Utf8(*text) : "<no text>";
}

sim::Bytes RecordOf(std::int16_t document, RecordTag tag, RecordKey key) {
    const sim::Document* doc = sim::Simulator::Instance().FindDocument(document);
    const sim::Bytes* bytes = doc != nullptr ? doc->FindRecord(tag, key) : nullptr;
    return bytes != nullptr ? *bytes : sim::Bytes();
}

StyleTriplet TripletOf(std::int16_t document, RecordTag tag, RecordKey key, std::size_t at) {
    const sim::Bytes r = RecordOf(document, tag, key);
    if (r.size() < at + 6) {
        return StyleTriplet{0xDEAD, 0xDEAD, 0xDEAD};
    }
    return ReadTriplet(r.data(), at, at + 2, at + 4);
}

std::string StaffStyleNameOf(std::int16_t document, std::uint16_t number) {
    namespace ss = layout::staffstyle;
    const sim::Bytes r = RecordOf(document, ss::kTag, Key(number));
    if (r.size() != ss::kSize) {
        return "<no record>";
    }
    std::string name;
    for (std::size_t i = ss::kName; i < ss::kSize && r[i] != 0; ++i) {
        name += char(r[i]);
    }
    return name;
}

void EngineTest::OverrideExport(const std::string& name, void* function) {
    platform::ModuleHandle program = platform::SystemFindModule("NOTAVO.EXE");
    platform::SetSymbolResolverForTesting([program, name, function](const char* wanted) -> void* {
        if (wanted == nullptr) {
            return nullptr;
        }
        return name == wanted ? function : platform::SystemFindFunction(program, wanted);
    });
    overridden_ = true;
    host::ResetBindingForTesting();
}

void EngineTest::SetUp() {
    Sim().Reset();
    host::ResetBindingForTesting();
}

void EngineTest::TearDown() {
    if (overridden_) {
        platform::SetSymbolResolverForTesting(nullptr);
        overridden_ = false;
    }
    Sim().Reset();
    host::ResetBindingForTesting();
}

std::int16_t EngineTest::Open(const ScoreBuilder& builder) {
    return Sim().Open(builder.Build());
}

}  // namespace tavrel::testing_support
