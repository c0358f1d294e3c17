// The simulated host's behaviour behind every HX_ callback: record access on
// the current document, the document and window list, edits, alerts, help,
// layout and redraw, each written to the journal.
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

void CopyOut(const Document& document, RecordTag tag, RecordKey key, void* buffer) {
    if (IsTextKind(tag)) {
        const std::u16string& text = *document.FindText(tag, key);
        std::memcpy(buffer, text.data(), text.size() * sizeof(char16_t));
        const char16_t zero = 0;
        std::memcpy(static_cast<char*>(buffer) + text.size() * sizeof(char16_t), &zero,
                    sizeof zero);
        return;
    }
    const Bytes& bytes = *document.FindRecord(tag, key);
    if (!bytes.empty()) {
        std::memcpy(buffer, bytes.data(), bytes.size());
    }
}

// Text records keep the units up to the first zero within the size given.
std::u16string TextFromBuffer(const void* buffer, std::uint32_t units) {
    return TextFromRecordBytes(static_cast<const std::uint8_t*>(buffer),
                               std::size_t(units) * sizeof(char16_t));
}

void StoreIn(Document& document, RecordTag tag, RecordKey key, const void* buffer,
             std::uint32_t size) {
    if (IsTextKind(tag)) {
        document.PutText(tag, key, TextFromBuffer(buffer, size));
        return;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    document.PutRecord(tag, key, Bytes(bytes, bytes + size));
}

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
    nextId_ = id == INT16_MAX ? std::int16_t(0) : std::int16_t(id + 1);
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

RecordCall Simulator::BeginCall(const char* callback, RecordTag tag, const RecordKey* key,
                                std::uint32_t size, std::uint32_t version) const {
    RecordCall call;
    call.callback = callback;
    call.tag = tag;
    if (key != nullptr) {
        call.key = *key;
    }
    call.size = size;
    call.version = version;
    call.document = current_;
    call.insideEdit = !editStack_.empty();
    return call;
}

std::int16_t Simulator::Finish(RecordCall& call, std::int16_t result, const char* refusal) {
    call.result = result;
    if (result == 0) {
        call.refusal = refusal;
    }
    journal_.AddCall(std::move(call));
    return result;
}

std::int16_t Simulator::LoadEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                                  std::uint32_t version) {
    RecordCall call = BeginCall("HX_LoadEData", tag, key, size ? *size : 0, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr || size == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (faults_.LoadFails(tag)) {
        return Finish(call, 0, "fault");
    }
    if (buffer != nullptr && !VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    std::optional<std::uint32_t> real = document->RecordSize(tag, *key);
    if (!real) {
        *size = 0;
        return Finish(call, 0, "missing");
    }
    if (buffer != nullptr && *size < *real) {
        // Never past the caller's buffer; the real size lets it try again.
        *size = *real;
        return Finish(call, 0, "size");
    }
    if (buffer != nullptr) {
        CopyOut(*document, tag, *key, buffer);
    }
    *size = *real;
    return Finish(call, 1, "");
}

std::int16_t Simulator::SaveEData(RecordTag tag, const RecordKey* key, const void* buffer,
                                  std::uint32_t size, std::uint32_t version) {
    RecordCall call = BeginCall("HX_SaveEData", tag, key, size, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr || buffer == nullptr || size == 0) {
        return Finish(call, 0, "argument");
    }
    if (faults_.SaveRefused(tag)) {
        return Finish(call, 0, "fault");
    }
    if (!VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    std::optional<std::uint32_t> fixed = FixedRecordSize(tag);
    if (fixed && size != *fixed) {
        return Finish(call, 0, "size");
    }
    StoreIn(*document, tag, *key, buffer, size);
    return Finish(call, 1, "");
}

std::int16_t Simulator::Step(const char* callback, bool forward, RecordTag tag, RecordKey* key,
                             void* buffer, std::uint32_t size, std::uint32_t version) {
    RecordCall call = BeginCall(callback, tag, key, size, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (buffer != nullptr && !VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    // A walk starts from {0, 0} in either direction.
    std::optional<RecordKey> to;
    if (forward) {
        to = document->NextKey(tag, *key);
    } else {
        to = KeyOrder(*key) == 0 ? document->LastKey(tag) : document->PreviousKey(tag, *key);
    }
    if (!to) {
        return Finish(call, 0, "end");
    }
    if (buffer != nullptr) {
        if (size < *document->RecordSize(tag, *to)) {
            return Finish(call, 0, "size");
        }
        CopyOut(*document, tag, *to, buffer);
    }
    *key = *to;
    return Finish(call, 1, "");
}

std::int16_t Simulator::NextEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                                  std::uint32_t version) {
    return Step("HX_NextEData", true, tag, key, buffer, size, version);
}

std::int16_t Simulator::PreviousEData(RecordTag tag, RecordKey* key, void* buffer,
                                      std::uint32_t size, std::uint32_t version) {
    return Step("HX_PreviousEData", false, tag, key, buffer, size, version);
}

std::int16_t Simulator::CreateEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                                    std::uint32_t version) {
    RecordCall call = BeginCall("HX_CreateEData", tag, key, size, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (faults_.SaveRefused(tag)) {
        return Finish(call, 0, "fault");
    }
    if (buffer != nullptr && !VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    std::optional<std::uint32_t> fixed = FixedRecordSize(tag);
    if (buffer != nullptr && fixed && size != *fixed) {
        return Finish(call, 0, "size");
    }
    // The new record takes the first half after the highest in use.
    std::optional<RecordKey> last = document->LastKey(tag);
    std::uint32_t first = last ? std::uint32_t(last->first) + 1 : 1;
    if (first > 0xFFFF) {
        return Finish(call, 0, "full");
    }
    RecordKey created = MakeKey(std::uint16_t(first), key->second);
    if (buffer != nullptr) {
        StoreIn(*document, tag, created, buffer, size);
    } else if (IsTextKind(tag)) {
        document->PutText(tag, created, std::u16string());
    } else {
        document->PutRecord(tag, created, Bytes(fixed ? *fixed : size, 0));
    }
    *key = created;
    return Finish(call, 1, "");
}

std::int16_t Simulator::DeleteEData(RecordTag tag, const RecordKey* key, std::uint32_t version) {
    RecordCall call = BeginCall("HX_DeleteEData", tag, key, 0, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (faults_.SaveRefused(tag)) {
        return Finish(call, 0, "fault");
    }
    return document->Erase(tag, *key) ? Finish(call, 1, "") : Finish(call, 0, "missing");
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
    return next == documents_.end() ? std::int16_t(0) : next->first;
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
        bool inside = i < kDocumentPathUnits - 1 && std::size_t(i) < wide.size();
        path[i] = inside ? wide[std::size_t(i)] : u'\0';
    }
}

std::int16_t Simulator::GetWindowCount(std::uint32_t /*version*/) {
    return std::int16_t(documents_.size());
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
        std::uint8_t* record = bytes + std::size_t(filled) * kWindowInfoSize;
        std::memset(record, 0, kWindowInfoSize);
        layout::WriteU32(record, kWindowInfoWindowOffset, WindowOf(entry.first));
        layout::WriteU16(record, kWindowInfoDocumentOffset, std::uint16_t(entry.first));
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
    event.depth = int(editStack_.size());
    journal_.Add(std::move(event));
}

std::int16_t Simulator::StartNotavoEdit_UTF16(const char16_t* name, std::uint32_t /*version*/) {
    editStack_.push_back(WideFrom(name));
    JournalEvent event;
    event.kind = EventKind::EditStarted;
    event.document = current_;
    event.editName = editStack_.back();
    event.callback = "HX_StartNotavoEdit_UTF16";
    event.depth = int(editStack_.size());
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
    event.depth = int(editStack_.size());
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
    const auto window = std::int64_t(reinterpret_cast<std::uintptr_t>(hostWindow));
    Note(EventKind::Alert, "HX_AlertMessage_UTF16", {window, flags, c},
         platform::Utf16ToUtf8(WideFrom(text)));
    return 1;
}

std::int16_t Simulator::OpenHelpItem(const char* topic, std::uint32_t /*version*/) {
    Note(EventKind::HelpOpened, "HX_OpenHelpItem", {}, Bounded(topic));
    return 1;
}

}  // namespace tavrel::sim
