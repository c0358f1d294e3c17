// The engine tests' document builder, readers and fixture.
#include "EngineFixture.h"

#include <algorithm>

#include "platform/Module.h"
#include "platform/ModuleSystem.h"
#include "search/Engine.h"

namespace tavrel::testing_support {

namespace {

void PutName(sim::Bytes& record, std::size_t at, const std::string& name, std::size_t max) {
    std::copy_n(name.begin(), std::min(name.size(), max), record.begin() + long(at));
}

}  // namespace

ScoreBuilder& ScoreBuilder::U16s(
    RecordTag tag, RecordKey key, std::uint32_t size,
    std::initializer_list<std::pair<std::size_t, std::uint16_t>> fields) {
    sim::Bytes r(size, 0);
    for (const auto& field : fields) {
        layout::WriteU16(r.data(), field.first, field.second);
    }
    doc_.PutRecord(tag, key, r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Font(std::uint16_t number, const std::string& ansiName,
                                 std::uint16_t arg) {
    sim::Bytes r(layout::font::kSize, 0);
    layout::WriteU16(r.data(), layout::font::kArg, arg);
    PutName(r, layout::font::kName, ansiName, layout::font::kNameMax - 1);
    doc_.PutRecord(layout::font::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Text(RecordTag kind, std::uint16_t number, const std::string& utf8) {
    doc_.PutText(kind, Key(number), UniversalString(utf8).text());
    return *this;
}

ScoreBuilder& ScoreBuilder::StaffStyle(std::uint16_t number, std::uint16_t block1,
                                       std::uint16_t block2, const std::string& ansiName) {
    namespace ss = layout::staffstyle;
    U16s(ss::kTag, Key(number), ss::kSize, {{ss::kBlock1, block1}, {ss::kBlock2, block2}});
    sim::Bytes r = *doc_.FindRecord(ss::kTag, Key(number));
    PutName(r, ss::kName, ansiName, ss::kSize - ss::kName - 1);
    doc_.PutRecord(ss::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Pages(std::uint16_t count) {
    for (std::uint16_t p = 1; p <= count; ++p) {
        U16s(layout::page::kTag, Key(p), layout::page::kSize, {});
    }
    return *this;
}

ScoreBuilder& ScoreBuilder::Repeat(std::uint16_t number, const std::string& utf8,
                                   StyleTriplet style) {
    namespace rs = layout::repeatstyle;
    Text(layout::kRepeatText, number, utf8);
    sim::Bytes r(rs::kSize, 0);
    WriteTriplet(r.data(), rs::kFont, rs::kSize16, rs::kBits, style);
    doc_.PutRecord(rs::kTag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Styles(RecordTag tag, std::uint16_t number, std::uint32_t size,
                                   const std::size_t* at,
                                   std::initializer_list<StyleTriplet> styles) {
    sim::Bytes r(size, 0);
    for (const StyleTriplet& style : styles) {
        WriteTriplet(r.data(), *at, *at + 2, *at + 4, style);
        ++at;
    }
    doc_.PutRecord(tag, Key(number), r);
    return *this;
}

ScoreBuilder& ScoreBuilder::Articulation(std::uint16_t number, std::uint32_t char1,
                                         StyleTriplet slot1, std::uint32_t char2,
                                         StyleTriplet slot2, std::uint16_t flags) {
    namespace ar = layout::articulation;
    sim::Bytes r(ar::kSize, 0);
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
    b.Font(0, "Times New Roman", 4096).Font(3, "Arial", 0).Pages(1);
    // Text blocks 1-5 shown by a staff, a staff style, a group, page 1 and measure 12.
    const char* const leads[] = {"Violin ", "Style ", "Group ", "Page ", "Measure "};
    for (std::uint16_t t = 1; t <= 5; ++t) {
        b.Text(layout::kTextBlockText, t, leads[t - 1] + word).TextBlock(t, t);
    }
    b.Staff(1, 1, 0)
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
    const std::u16string* text = doc != nullptr ? doc->FindText(kind, key) : nullptr;
    return text != nullptr ? UniversalString(*text).toUtf8() : "<no text>";
}

sim::Bytes RecordOf(std::int16_t document, RecordTag tag, RecordKey key) {
    const sim::Document* doc = sim::Simulator::Instance().FindDocument(document);
    const sim::Bytes* bytes = doc != nullptr ? doc->FindRecord(tag, key) : nullptr;
    return bytes != nullptr ? *bytes : sim::Bytes();
}

StyleTriplet TripletOf(std::int16_t document, RecordTag tag, RecordKey key, std::size_t at) {
    const sim::Bytes r = RecordOf(document, tag, key);
    return r.size() < at + 6 ? StyleTriplet{0xDEAD, 0xDEAD, 0xDEAD}
                             : ReadTriplet(r.data(), at, at + 2, at + 4);
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

std::uint32_t EngineTest::Run(const std::string& search, const std::string& replace,
                              std::uint32_t options) {
    UniversalString s(search);
    UniversalString r(replace);
    return ReplaceInCurrentDocument(s, r, options);
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
    SetUp();
}

}  // namespace tavrel::testing_support
