// The simulated host's behaviour behind the HX_ callbacks other than record
// access (SimulatorRecords.cpp): the document and window list, fonts, edits,
// alerts, help, layout and redraw, each written to the journal.
#include "sim/host/Simulator.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "host/FixedFields.h"
#include "host/RecordLayout.h"
#include "platform/CodePage.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/ScoreFile.h"
#include "text/Ascii.h"

namespace tavrel::sim {
namespace {

// Texts arriving by bare pointer are read no further than this, so a
// missing terminator cannot run the host through memory without end.
constexpr std::size_t kMaxIncomingText = 65535;

std::u16string WideFrom(const char16_t* text) {
    return std::u16string(TerminatedView(text, kMaxIncomingText));
}

// 8-bit alert text in the ANSI code page; a byte the system's code page
// refuses shows as U+FFFD rather than hiding the whole alert.
std::string AnsiToUtf8(const char* text) {
    std::u16string wide;
    for (char byte : TerminatedView(text, kMaxIncomingText)) {
        std::u16string one;
        if (platform::AnsiToUtf16(std::string_view(&byte, 1), one) && one.size() == 1) {
            wide += one;
        } else {
            wide.push_back(u'\uFFFD');
        }
    }
    return platform::Utf16ToUtf8(wide);
}

std::string Bounded(const char* text) {
    return std::string(TerminatedView(text, kMaxIncomingText));
}

std::string FontRecordName(const Bytes& record) {
    if (record.size() <= layout::font::kName) {
        return std::string();
    }
    return ReadFixedText8(record.data(), layout::font::kName,
                          std::min(record.size() - layout::font::kName, layout::font::kNameMax));
}

}  // namespace

Simulator& Simulator::Instance() {
    static Simulator host;
    return host;
}

void Simulator::Reset() {
    documents_.clear();
    nextId_ = 1;
    current_ = 0;
    currentWindow_ = 0;
    editStack_.clear();
    journal_.Clear();
    faults_.Clear();
}

std::int16_t Simulator::Open(Document document) {
    if (nextId_ <= 0) {
        return 0;
    }
    std::int16_t id = nextId_;
    nextId_ = id == INT16_MAX ? static_cast<std::int16_t>(0) : static_cast<std::int16_t>(id + 1);
    documents_.emplace(id, std::move(document));
    if (current_ == 0) {
        current_ = id;
        currentWindow_ = WindowOf(id);
    }
    return id;
}

std::int16_t Simulator::OpenScore(const std::string& path, std::string& error) {
    Document document;
    FileProblem problem;
    if (!LoadScore(path, document, problem)) {
        error = problem.message;
        return 0;
    }
    std::int16_t id = Open(std::move(document));
    if (id == 0) {
        error = path + ": no document id is left";
    }
    return id;
}

bool Simulator::SaveScore(std::int16_t id, const std::string& path, std::string& error) const {
    const Document* document = FindDocument(id);
    if (document == nullptr) {
        error = "no document " + std::to_string(id);
        return false;
    }
    FileProblem problem;
    if (!tavrel::sim::SaveScore(*document, path, problem)) {
        error = problem.message;
        return false;
    }
    return true;
}

Document* Simulator::FindDocument(std::int16_t id) {
    auto it = documents_.find(id);
    return it == documents_.end() ? nullptr : &it->second;
}

const Document* Simulator::FindDocument(std::int16_t id) const {
    auto it = documents_.find(id);
    return it == documents_.end() ? nullptr : &it->second;
}

std::vector<std::int16_t> Simulator::DocumentIds() const {
    std::vector<std::int16_t> ids;
    for (const auto& entry : documents_) {
        ids.push_back(entry.first);
    }
    return ids;
}

Document* Simulator::Current() {
    return FindDocument(current_);
}

std::uint16_t Simulator::FontNameToNum(const char** name, std::uint32_t /*version*/) {
    const Document* document = Current();
    if (document == nullptr || name == nullptr || *name == nullptr) {
        return 0xFFFF;
    }
    const std::string wanted = Bounded(*name);
    for (RecordKey key : document->Keys(layout::font::kTag)) {
        if (SameIgnoringAsciiCase(FontRecordName(*document->FindRecord(layout::font::kTag, key)),
                                  wanted)) {
            return key.first;
        }
    }
    return 0xFFFF;
}

std::int16_t Simulator::GetCurrentKorvidDocument(std::uint32_t /*version*/) {
    return current_;
}

std::int16_t Simulator::GetNextKorvidDocument(std::int16_t previous, std::uint32_t /*version*/) {
    auto next = documents_.upper_bound(previous);
    return next == documents_.end() ? static_cast<std::int16_t>(0) : next->first;
}

void Simulator::SetCurrentKorvidDocument(std::int16_t document, std::uint32_t /*version*/) {
    if (FindDocument(document) != nullptr) {
        current_ = document;
        currentWindow_ = WindowOf(document);
    }
}

void Simulator::GetDocumentPath(std::int16_t document, char16_t* path, std::uint32_t /*version*/) {
    if (path == nullptr) {
        return;
    }
    std::u16string wide;
    if (const Document* found = FindDocument(document)) {
        platform::Utf8ToUtf16(found->Path(), wide);
    }
    for (int i = 0; i < kDocumentPathUnits; ++i) {
        bool inside = i < kDocumentPathUnits - 1 && static_cast<std::size_t>(i) < wide.size();
        path[i] = inside ? wide[static_cast<std::size_t>(i)] : u'\0';
    }
}

std::int16_t Simulator::GetWindowCount(std::uint32_t /*version*/) {
    return static_cast<std::int16_t>(documents_.size());
}

std::int16_t Simulator::GetWindowInfoList(void* records, std::int16_t count,
                                          std::uint32_t /*version*/) {
    if (records == nullptr || count <= 0) {
        return 0;
    }
    std::int16_t filled = 0;
    auto* bytes = static_cast<std::uint8_t*>(records);
    for (const auto& entry : documents_) {
        if (filled >= count) {
            break;
        }
        std::uint8_t* record = bytes + static_cast<std::size_t>(filled) * kWindowInfoSize;
        std::memset(record, 0, kWindowInfoSize);
        layout::WriteU32(record, kWindowInfoWindowOffset, WindowOf(entry.first));
        layout::WriteU16(record, kWindowInfoDocumentOffset,
                         static_cast<std::uint16_t>(entry.first));
        ++filled;
    }
    return filled;
}

std::uint32_t Simulator::GetCurrentWindow(std::uint32_t /*version*/) {
    return currentWindow_;
}

std::uint32_t Simulator::SetCurrentWindow(std::uint32_t window, std::uint32_t /*version*/) {
    for (const auto& entry : documents_) {
        if (WindowOf(entry.first) == window) {
            current_ = entry.first;
            currentWindow_ = window;
        }
    }
    return currentWindow_;
}

void Simulator::Note(EventKind kind, const char* callback, std::vector<std::int64_t> arguments,
                     std::string text) {
    JournalEvent event;
    event.kind = kind;
    event.document = current_;
    event.callback = callback;
    event.arguments = std::move(arguments);
    event.text = std::move(text);
    event.depth = static_cast<int>(editStack_.size());
    journal_.Add(std::move(event));
}

std::int16_t Simulator::StartNotavoEdit_UTF16(const char16_t* name, std::uint32_t /*version*/) {
    editStack_.push_back(WideFrom(name));
    JournalEvent event;
    event.kind = EventKind::EditStarted;
    event.document = current_;
    event.editName = editStack_.back();
    event.callback = "HX_StartNotavoEdit_UTF16";
    event.depth = static_cast<int>(editStack_.size());
    journal_.Add(std::move(event));
    return 1;
}

std::int16_t Simulator::EndNotavoEdit(std::uint32_t /*version*/) {
    JournalEvent event;
    event.kind = EventKind::EditEnded;
    event.document = current_;
    event.callback = "HX_EndNotavoEdit";
    event.unbalanced = editStack_.empty();
    if (!editStack_.empty()) {
        event.editName = editStack_.back();
        editStack_.pop_back();
    }
    event.depth = static_cast<int>(editStack_.size());
    const std::int16_t result = event.unbalanced ? 0 : 1;
    journal_.Add(std::move(event));
    return result;
}

void Simulator::UpdateLayout(std::int32_t all, std::int32_t flags, std::uint32_t /*version*/) {
    Note(EventKind::LayoutUpdated, "HX_UpdateLayout", {all, flags});
}

void Simulator::RedrawMusic(std::int32_t flags, std::uint32_t /*version*/) {
    Note(EventKind::MusicRedrawn, "HX_RedrawMusic", {flags});
}

std::int16_t Simulator::AlertMessage(std::int32_t a, std::int32_t b, std::int32_t c,
                                     const char* text, std::uint32_t /*version*/) {
    Note(EventKind::Alert, "HX_AlertMessage", {a, b, c}, AnsiToUtf8(text));
    return 1;
}

std::int16_t Simulator::AlertMessage_UTF16(void* hostWindow, std::int32_t flags, std::int32_t c,
                                           const char16_t* text, std::uint32_t /*version*/) {
    const auto window = static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(hostWindow));
    Note(EventKind::Alert, "HX_AlertMessage_UTF16", {window, flags, c},
         platform::Utf16ToUtf8(WideFrom(text)));
    return 1;
}

std::int16_t Simulator::OpenHelpItem(const char* topic, std::uint32_t /*version*/) {
    Note(EventKind::HelpOpened, "HX_OpenHelpItem", {}, Bounded(topic));
    return 1;
}

}  // namespace tavrel::sim
