// The engine tests' score reading, readers and fixture.
#include "EngineFixture.h"

#include "platform/Module.h"
#include "platform/ModuleSystem.h"
#include "search/Engine.h"
#include "tests/sim/SimTestSupport.h"

namespace tavrel::testing_support {

std::string EveryKindScoreJson() {
    static const std::string text =
        sim::testing::ReadFile(std::string(LEXORA_SOURCE_DIR) + "/tests/data/every-kind.json");
    return text;
}

sim::Document ScoreOf(const std::string& sections) {
    return sim::testing::ScoreFrom(sim::testing::Score(sections));
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

std::int16_t EngineTest::OpenEveryKind() {
    return Sim().Open(sim::testing::ScoreFrom(EveryKindScoreJson()));
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
