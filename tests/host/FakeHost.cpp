// The scripted host's exports and its resolver.
#include "tests/host/FakeHost.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"
#include "platform/Module.h"

namespace tavrel::fakehost {

namespace {

using Key3 = std::tuple<RecordTag, std::uint16_t, std::uint16_t>;

Call& Log(const char* name, std::uint32_t version) {
    Call call;
    call.name = name;
    call.version = version;
    Fake().calls.push_back(call);
    return Fake().calls.back();
}

Call& LogRecord(const char* name, RecordTag tag, const RecordKey* key, const void* buffer,
                std::uint32_t size, std::uint32_t version) {
    Call& call = Log(name, version);
    call.tag = tag;
    if (key != nullptr) {
        call.key = *key;
    }
    call.hasBuffer = buffer != nullptr;
    call.size = size;
    return call;
}

std::uint32_t UnitBytes(RecordTag tag) {
    return Fake().IsText(tag) ? 2 : 1;
}

// Copies a stored record into a buffer of `capacity` host units; a buffer
// smaller than the record is refused, as the host does.
std::int16_t CopyOut(RecordTag tag, const Stored& stored, void* buffer, std::uint32_t capacity) {
    if (capacity < stored.size) {
        return 0;
    }
    const std::size_t room = std::size_t(capacity) * UnitBytes(tag);
    std::memcpy(buffer, stored.bytes.data(), std::min(room, stored.bytes.size()));
    return 1;
}

std::int16_t FakeLoad(std::uint32_t tag, RecordKey* key, void* buffer, std::uint32_t* size,
                      std::uint32_t version) {
    Call& call = LogRecord("HX_LoadEData", tag, key, buffer, size ? *size : 0, version);
    call.hasSize = size != nullptr;
    if (Fake().loadHook) {
        return Fake().loadHook(tag, key, buffer, size);
    }
    auto it = Fake().records.find(Key3{tag, key->first, key->second});
    if (it == Fake().records.end()) {
        return 0;
    }
    if (buffer == nullptr) {
        *size = it->second.size;
        return 1;
    }
    return CopyOut(tag, it->second, buffer, *size);
}

std::int16_t FakeSave(std::uint32_t tag, const RecordKey* key, const void* buffer,
                      std::uint32_t size, std::uint32_t version) {
    Call& call = LogRecord("HX_SaveEData", tag, key, buffer, size, version);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    call.saved.assign(bytes, bytes + std::size_t(size) * UnitBytes(tag));
    if (Fake().refuseSaves) {
        return 0;
    }
    Fake().records[Key3{tag, key->first, key->second}] = Stored{call.saved, size};
    return 1;
}

std::int16_t FakeNext(std::uint32_t tag, RecordKey* key, void* buffer, std::uint32_t size,
                      std::uint32_t version) {
    LogRecord("HX_NextEData", tag, key, buffer, size, version);
    auto it = Fake().records.upper_bound(Key3{tag, key->first, key->second});
    if (it == Fake().records.end() || std::get<0>(it->first) != tag) {
        return 0;
    }
    key->first = std::get<1>(it->first);
    key->second = std::get<2>(it->first);
    return buffer != nullptr ? CopyOut(tag, it->second, buffer, size) : 1;
}

std::int16_t FakePrevious(std::uint32_t tag, RecordKey* key, void* buffer, std::uint32_t size,
                          std::uint32_t version) {
    LogRecord("HX_PreviousEData", tag, key, buffer, size, version);
    return 1;
}

std::int16_t FakeCreate(std::uint32_t tag, RecordKey* key, void* buffer, std::uint32_t size,
                        std::uint32_t version) {
    LogRecord("HX_CreateEData", tag, key, buffer, size, version);
    return 1;
}

std::int16_t FakeDelete(std::uint32_t tag, const RecordKey* key, std::uint32_t version) {
    LogRecord("HX_DeleteEData", tag, key, nullptr, 0, version);
    return 1;
}

std::uint16_t FakeFontNameToNum(const char** name, std::uint32_t version) {
    Log("HX_FontNameToNum", version).text8 = *name;
    return Fake().fontNumberAnswer;
}

std::int16_t FakeGetCurrentDocument(std::uint32_t version) {
    Log("HX_GetCurrentKorvidDocument", version);
    return Fake().currentDocument;
}

std::int16_t FakeGetNextDocument(std::int16_t previous, std::uint32_t version) {
    Log("HX_GetNextKorvidDocument", version).a = previous;
    const auto& docs = Fake().documents;
    if (previous == 0) {
        return docs.empty() ? 0 : docs.front();
    }
    auto it = std::find(docs.begin(), docs.end(), previous);
    return it == docs.end() || it + 1 == docs.end() ? 0 : *(it + 1);
}

void FakeSetCurrentDocument(std::int16_t document, std::uint32_t version) {
    Log("HX_SetCurrentKorvidDocument", version).a = document;
    Fake().currentDocument = document;
}

void FakeGetDocumentPath(std::int16_t document, char16_t* path, std::uint32_t version) {
    Log("HX_GetDocumentPath", version).a = document;
    const std::u16string& p = Fake().pathToWrite;
    std::copy_n(p.begin(), std::min<std::size_t>(p.size(), kDocumentPathUnits), path);
}

std::int16_t FakeGetWindowCount(std::uint32_t version) {
    Log("HX_GetWindowCount", version);
    return Fake().windowCount;
}

std::int16_t FakeGetWindowInfoList(void* records, std::int16_t count, std::uint32_t version) {
    Log("HX_GetWindowInfoList", version).a = count;
    auto* bytes = static_cast<std::uint8_t*>(records);
    const auto& windows = Fake().windows;
    for (std::size_t i = 0; i < windows.size() && i < std::size_t(count); ++i) {
        std::uint8_t* record = bytes + i * kWindowInfoSize;
        layout::WriteU32(record, kWindowInfoWindowOffset, windows[i].second);
        layout::WriteU16(record, kWindowInfoDocumentOffset, std::uint16_t(windows[i].first));
    }
    return count;
}

std::uint32_t FakeGetCurrentWindow(std::uint32_t version) {
    Log("HX_GetCurrentWindow", version);
    return Fake().currentWindow;
}

std::uint32_t FakeSetCurrentWindow(std::uint32_t window, std::uint32_t version) {
    Log("HX_SetCurrentWindow", version).a = std::int32_t(window);
    Fake().currentWindow = window;
    return window;
}

std::int16_t FakeStartEdit(const char16_t* name, std::uint32_t version) {
    Log("HX_StartNotavoEdit_UTF16", version).text16 = name;
    return Fake().startEditResult;
}

std::int16_t FakeEndEdit(std::uint32_t version) {
    Log("HX_EndNotavoEdit", version);
    return Fake().endEditResult;
}

void FakeUpdateLayout(std::int32_t all, std::int32_t flags, std::uint32_t version) {
    Call& call = Log("HX_UpdateLayout", version);
    call.a = all;
    call.b = flags;
}

void FakeRedrawMusic(std::int32_t flags, std::uint32_t version) {
    Log("HX_RedrawMusic", version).a = flags;
}

std::int16_t FakeAlert(std::int32_t a, std::int32_t b, std::int32_t c, const char* text,
                       std::uint32_t version) {
    Call& call = Log("HX_AlertMessage", version);
    call.a = a;
    call.b = b;
    call.c = c;
    call.text8 = text;
    return Fake().alertResult;
}

std::int16_t FakeAlertUtf16(void* window, std::int32_t flags, std::int32_t c, const char16_t* text,
                            std::uint32_t version) {
    Call& call = Log("HX_AlertMessage_UTF16", version);
    call.window = window;
    call.a = flags;
    call.c = c;
    call.text16 = text;
    return Fake().alertResult;
}

std::int16_t FakeOpenHelp(const char* topic, std::uint32_t version) {
    Log("HX_OpenHelpItem", version).text8 = topic;
    return 1;
}

template <typename Function>
void* Address(Function fn) {
    return reinterpret_cast<void*>(fn);
}

const std::map<std::string, void*>& Exports() {
    static const std::map<std::string, void*> exports = {
        {"HX_LoadEData", Address(&FakeLoad)},
        {"HX_SaveEData", Address(&FakeSave)},
        {"HX_NextEData", Address(&FakeNext)},
        {"HX_PreviousEData", Address(&FakePrevious)},
        {"HX_CreateEData", Address(&FakeCreate)},
        {"HX_DeleteEData", Address(&FakeDelete)},
        {"HX_FontNameToNum", Address(&FakeFontNameToNum)},
        {"HX_GetCurrentKorvidDocument", Address(&FakeGetCurrentDocument)},
        {"HX_GetNextKorvidDocument", Address(&FakeGetNextDocument)},
        {"HX_SetCurrentKorvidDocument", Address(&FakeSetCurrentDocument)},
        {"HX_GetDocumentPath", Address(&FakeGetDocumentPath)},
        {"HX_GetWindowCount", Address(&FakeGetWindowCount)},
        {"HX_GetWindowInfoList", Address(&FakeGetWindowInfoList)},
        {"HX_GetCurrentWindow", Address(&FakeGetCurrentWindow)},
        {"HX_SetCurrentWindow", Address(&FakeSetCurrentWindow)},
        {"HX_StartNotavoEdit_UTF16", Address(&FakeStartEdit)},
        {"HX_EndNotavoEdit", Address(&FakeEndEdit)},
        {"HX_UpdateLayout", Address(&FakeUpdateLayout)},
        {"HX_RedrawMusic", Address(&FakeRedrawMusic)},
        {"HX_AlertMessage", Address(&FakeAlert)},
        {"HX_AlertMessage_UTF16", Address(&FakeAlertUtf16)},
        {"HX_OpenHelpItem", Address(&FakeOpenHelp)},
    };
    return exports;
}

}  // namespace

void FakeHost::PutRecord(RecordTag tag, RecordKey key, std::vector<std::uint8_t> bytes) {
    const auto size = static_cast<std::uint32_t>(bytes.size());
    records[Key3{tag, key.first, key.second}] = Stored{std::move(bytes), size};
}

void FakeHost::PutText(RecordTag tag, RecordKey key, const std::u16string& unitsWithZero,
                       std::uint32_t declaredUnits) {
    std::vector<std::uint8_t> bytes(unitsWithZero.size() * 2);
    for (std::size_t i = 0; i < unitsWithZero.size(); ++i) {
        layout::WriteU16(bytes.data(), i * 2, unitsWithZero[i]);
    }
    records[Key3{tag, key.first, key.second}] = Stored{std::move(bytes), declaredUnits};
}

bool FakeHost::IsText(RecordTag tag) const {
    return (tag >> 16) == ((std::uint32_t('t') << 8) | 'x') || tag == layout::kRepeatText ||
           tag == layout::kEndingText;
}

std::vector<Call> FakeHost::CallsNamed(const std::string& name) const {
    std::vector<Call> out;
    for (const Call& call : calls) {
        if (call.name == name) {
            out.push_back(call);
        }
    }
    return out;
}

FakeHost& Fake() {
    static FakeHost fake;
    return fake;
}

void* Resolve(const char* name) {
    if (Fake().missing.count(name) != 0) {
        return nullptr;
    }
    auto it = Exports().find(name);
    return it == Exports().end() ? nullptr : it->second;
}

void FakeHostTest::SetUp() {
    Fake() = FakeHost();
    host::ResetBindingForTesting();
    platform::SetSymbolResolverForTesting(&Resolve);
    platform::ResetFunctionLookupCount();
}

void FakeHostTest::TearDown() {
    platform::SetSymbolResolverForTesting(nullptr);
    host::ResetBindingForTesting();
}

}  // namespace tavrel::fakehost
