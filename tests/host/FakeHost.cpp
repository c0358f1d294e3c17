// The scripted host's exports and the resolver that hands them out.
#include "tests/host/FakeHost.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"
#include "platform/Module.h"

namespace tavrel::fakehost {

namespace {

// Logs a call and gives the fake, whose fields answer it.
FakeHost& Log(const char* name, std::uint32_t version, std::int32_t a = 0, std::int32_t b = 0,
              std::int32_t c = 0, std::u16string text = u"") {
    Call call;
    call.name = name;
    call.version = version;
    call.a = a;
    call.b = b;
    call.c = c;
    call.text = std::move(text);
    Fake().calls.push_back(call);
    return Fake();
}

std::u16string Widened(const char* text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    return std::u16string(bytes, bytes + std::strlen(text));
}

Call& LogRecord(const char* name, RecordTag tag, const RecordKey* key, const void* buffer,
                std::uint32_t size, std::uint32_t version) {
    Call& call = Log(name, version).calls.back();
    call.tag = tag;
    call.key = key != nullptr ? *key : RecordKey{};
    call.hasBuffer = buffer != nullptr;
    call.size = size;
    return call;
}

// Answers from the hook, else from the records; a buffer smaller than the
// record is refused, as the host does.
std::int16_t FakeLoad(std::uint32_t tag, RecordKey* key, void* buffer, std::uint32_t* size,
                      std::uint32_t version) {
    LogRecord("HX_LoadEData", tag, key, buffer, size != nullptr ? *size : 0, version);
    if (Fake().loadHook) {
        return Fake().loadHook(tag, key, buffer, size);
    }
    auto it = Fake().records.find({tag, key->first, key->second});
    if (it == Fake().records.end() || (buffer != nullptr && *size < it->second.size())) {
        return 0;
    }
    if (buffer == nullptr) {
        *size = std::uint32_t(it->second.size());
    } else {
        std::copy(it->second.begin(), it->second.end(), static_cast<std::uint8_t*>(buffer));
    }
    return 1;
}

std::int16_t FakeSave(std::uint32_t tag, const RecordKey* key, const void* buffer,
                      std::uint32_t size, std::uint32_t version) {
    Call& call = LogRecord("HX_SaveEData", tag, key, buffer, size, version);
    // Text record sizes count UTF-16 units.
    const bool text = (tag >> 16) == 0x7478 || tag == layout::kRepeatText;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    call.saved.assign(bytes, bytes + std::size_t(size) * (text ? 2 : 1));
    return Fake().refuseSaves ? 0 : 1;
}

// Next, previous and create: each moves the caller's key on by one.
template <int kWhich>
std::int16_t FakeStep(std::uint32_t tag, RecordKey* key, void* buffer, std::uint32_t size,
                      std::uint32_t version) {
    const char* const names[] = {"HX_NextEData", "HX_PreviousEData", "HX_CreateEData"};
    LogRecord(names[kWhich], tag, key, buffer, size, version);
    ++key->first;
    return 1;
}

std::int16_t FakeDelete(std::uint32_t tag, const RecordKey* key, std::uint32_t version) {
    LogRecord("HX_DeleteEData", tag, key, nullptr, 0, version);
    return 1;
}

std::uint16_t FakeFontNameToNum(const char** name, std::uint32_t version) {
    return Log("HX_FontNameToNum", version, 0, 0, 0, Widened(*name)).fontNumberAnswer;
}

void FakeGetDocumentPath(std::int16_t document, char16_t* path, std::uint32_t version) {
    const std::u16string& p = Log("HX_GetDocumentPath", version, document).pathToWrite;
    std::copy_n(p.begin(), std::min<std::size_t>(p.size(), kDocumentPathUnits), path);
}

std::int16_t FakeGetWindowCount(std::uint32_t version) {
    return Log("HX_GetWindowCount", version).windowCount;
}

std::int16_t FakeGetWindowInfoList(void* records, std::int16_t count, std::uint32_t version) {
    const auto& windows = Log("HX_GetWindowInfoList", version, count).windows;
    for (std::size_t i = 0; i < windows.size() && i < std::size_t(count); ++i) {
        std::uint8_t* record = static_cast<std::uint8_t*>(records) + i * kWindowInfoSize;
        layout::WriteU32(record, kWindowInfoWindowOffset, windows[i].second);
        layout::WriteU16(record, kWindowInfoDocumentOffset, std::uint16_t(windows[i].first));
    }
    return count;
}

std::uint32_t FakeSetCurrentWindow(std::uint32_t window, std::uint32_t version) {
    Log("HX_SetCurrentWindow", version, std::int32_t(window));
    return window;
}

std::int16_t FakeStartEdit(const char16_t* name, std::uint32_t version) {
    Log("HX_StartNotavoEdit_UTF16", version, 0, 0, 0, name);
    return 7;
}

std::int16_t FakeEndEdit(std::uint32_t version) {
    Log("HX_EndNotavoEdit", version);
    return 9;
}

void FakeUpdateLayout(std::int32_t all, std::int32_t flags, std::uint32_t version) {
    Log("HX_UpdateLayout", version, all, flags);
}

std::int16_t FakeAlert(std::int32_t a, std::int32_t b, std::int32_t c, const char* text,
                       std::uint32_t version) {
    Log("HX_AlertMessage", version, a, b, c, Widened(text));
    return 1;
}

std::int16_t FakeAlertUtf16(void* window, std::int32_t flags, std::int32_t c, const char16_t* text,
                            std::uint32_t version) {
    Log("HX_AlertMessage_UTF16", version, flags, 0, c, text).calls.back().window = window;
    return 1;
}

template <typename Function>
void* Address(Function fn) {
    return reinterpret_cast<void*>(fn);
}

void* Resolve(const char* name) {
    static const std::map<std::string, void*> exports = {
        {"HX_LoadEData", Address(&FakeLoad)},
        {"HX_SaveEData", Address(&FakeSave)},
        {"HX_NextEData", Address(&FakeStep<0>)},
        {"HX_PreviousEData", Address(&FakeStep<1>)},
        {"HX_CreateEData", Address(&FakeStep<2>)},
        {"HX_DeleteEData", Address(&FakeDelete)},
        {"HX_FontNameToNum", Address(&FakeFontNameToNum)},
        {"HX_GetDocumentPath", Address(&FakeGetDocumentPath)},
        {"HX_GetWindowCount", Address(&FakeGetWindowCount)},
        {"HX_GetWindowInfoList", Address(&FakeGetWindowInfoList)},
        {"HX_SetCurrentWindow", Address(&FakeSetCurrentWindow)},
        {"HX_StartNotavoEdit_UTF16", Address(&FakeStartEdit)},
        {"HX_EndNotavoEdit", Address(&FakeEndEdit)},
        {"HX_UpdateLayout", Address(&FakeUpdateLayout)},
        {"HX_AlertMessage", Address(&FakeAlert)},
        {"HX_AlertMessage_UTF16", Address(&FakeAlertUtf16)}};
    auto it = exports.find(name);
    return it == exports.end() || Fake().missing.count(name) != 0 ? nullptr : it->second;
}

}  // namespace

std::vector<Call> FakeHost::CallsNamed(const std::string& name) const {
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [&name](const Call& call) { return call.name == name; });
    return out;
}

FakeHost& Fake() {
    static FakeHost fake;
    return fake;
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
