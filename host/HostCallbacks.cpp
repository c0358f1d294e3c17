// Binding of the host's HX_ callbacks by export name, with the typed calls
// the rest of the plug-in makes and the open-edit bookkeeping.
#include "host/HostCallbacks.h"

#include <cstddef>
#include <cstring>

#include "host/RecordLayout.h"
#include "platform/Module.h"

namespace tavrel::host {

namespace {

enum Callback : std::size_t {
    kLoadEData,
    kSaveEData,
    kNextEData,
    kPreviousEData,
    kCreateEData,
    kDeleteEData,
    kFontNameToNum,
    kGetCurrentDocument,
    kGetNextDocument,
    kSetCurrentDocument,
    kGetDocumentPath,
    kGetWindowCount,
    kGetWindowInfoList,
    kGetCurrentWindow,
    kSetCurrentWindow,
    kStartEdit,
    kEndEdit,
    kUpdateLayout,
    kRedrawMusic,
    kAlertMessage,
    kAlertMessageUtf16,
    kOpenHelpItem,
    kCallbackCount
};

constexpr const char* kExportNames[kCallbackCount] = {
    "HX_LoadEData",
    "HX_SaveEData",
    "HX_NextEData",
    "HX_PreviousEData",
    "HX_CreateEData",
    "HX_DeleteEData",
    "HX_FontNameToNum",
    "HX_GetCurrentKorvidDocument",
    "HX_GetNextKorvidDocument",
    "HX_SetCurrentKorvidDocument",
    "HX_GetDocumentPath",
    "HX_GetWindowCount",
    "HX_GetWindowInfoList",
    "HX_GetCurrentWindow",
    "HX_SetCurrentWindow",
    "HX_StartNotavoEdit_UTF16",
    "HX_EndNotavoEdit",
    "HX_UpdateLayout",
    "HX_RedrawMusic",
    "HX_AlertMessage",
    "HX_AlertMessage_UTF16",
    "HX_OpenHelpItem",
};

// Everything the binding remembers for the life of the process. The plug-in
// runs on the host's user-interface thread only, so plain statics suffice.
struct BindingState {
    bool moduleSearched = false;
    platform::ModuleHandle module = nullptr;
    bool searched[kCallbackCount] = {};
    void* address[kCallbackCount] = {};
    bool editOpen = false;
    int editCount = 0;
};

BindingState& State() {
    static BindingState state;
    return state;
}

// The export's address, or null. Looked up once per name, found or not: a
// host that lacks an export will not grow it while the plug-in runs.
void* Resolve(Callback which) {
    BindingState& s = State();
    if (!s.searched[which]) {
        if (!s.moduleSearched) {
            s.module = platform::FindModule(kHostModuleName);
            s.moduleSearched = true;
        }
        s.address[which] =
            s.module != nullptr ? platform::FindFunction(s.module, kExportNames[which]) : nullptr;
        s.searched[which] = true;
    }
    return s.address[which];
}

template <typename Function>
Function Bound(Callback which) {
    return reinterpret_cast<Function>(Resolve(which));
}

std::int16_t CallWalk(Callback which, RecordTag tag, RecordKey* key, void* buffer,
                      std::uint32_t size, std::uint32_t version) {
    auto fn = Bound<HX_NextEData_t>(which);
    return fn != nullptr ? fn(tag, key, buffer, size, version) : 0;
}

}  // namespace

std::int16_t LoadEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                          std::uint32_t version) {
    auto fn = Bound<HX_LoadEData_t>(kLoadEData);
    return fn != nullptr ? fn(tag, key, buffer, size, version) : 0;
}

std::int16_t SaveEDataRaw(RecordTag tag, const RecordKey* key, const void* buffer,
                          std::uint32_t size, std::uint32_t version) {
    auto fn = Bound<HX_SaveEData_t>(kSaveEData);
    return fn != nullptr ? fn(tag, key, buffer, size, version) : 0;
}

std::int16_t NextEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                          std::uint32_t version) {
    return CallWalk(kNextEData, tag, key, buffer, size, version);
}

std::int16_t PreviousEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                              std::uint32_t version) {
    return CallWalk(kPreviousEData, tag, key, buffer, size, version);
}

std::int16_t CreateEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                            std::uint32_t version) {
    return CallWalk(kCreateEData, tag, key, buffer, size, version);
}

std::int16_t DeleteEDataRaw(RecordTag tag, const RecordKey* key, std::uint32_t version) {
    auto fn = Bound<HX_DeleteEData_t>(kDeleteEData);
    return fn != nullptr ? fn(tag, key, version) : 0;
}

std::uint16_t FontNameToNum(const char* name) {
    auto fn = Bound<HX_FontNameToNum_t>(kFontNameToNum);
    if (fn == nullptr || name == nullptr) {
        return 0xFFFF;
    }
    // The host takes the address of a pointer to the name; it may move that
    // pointer, so it gets a copy of ours.
    const char* cursor = name;
    return fn(&cursor, kInterfaceVersion);
}

std::int16_t GetCurrentDocument() {
    auto fn = Bound<HX_GetCurrentKorvidDocument_t>(kGetCurrentDocument);
    return fn != nullptr ? fn(kInterfaceVersion) : 0;
}

std::int16_t GetNextDocument(std::int16_t previous) {
    auto fn = Bound<HX_GetNextKorvidDocument_t>(kGetNextDocument);
    return fn != nullptr ? fn(previous, kInterfaceVersion) : 0;
}

void SetCurrentDocument(std::int16_t document) {
    if (auto fn = Bound<HX_SetCurrentKorvidDocument_t>(kSetCurrentDocument)) {
        fn(document, kInterfaceVersion);
    }
}

void GetDocumentPath(std::int16_t document, char16_t (&path)[kDocumentPathUnits]) {
    if (auto fn = Bound<HX_GetDocumentPath_t>(kGetDocumentPath)) {
        std::memset(path, 0, sizeof path);
        fn(document, path, kInterfaceVersion);
    }
}

std::int16_t GetWindowCount() {
    auto fn = Bound<HX_GetWindowCount_t>(kGetWindowCount);
    const std::int16_t count = fn != nullptr ? fn(kInterfaceVersion) : 0;
    return count > 0 ? count : 0;
}

std::vector<WindowInfo> GetWindowInfoList(std::int16_t count) {
    std::vector<WindowInfo> list;
    auto fn = Bound<HX_GetWindowInfoList_t>(kGetWindowInfoList);
    if (fn == nullptr || count < 1) {
        return list;
    }
    const std::size_t n = static_cast<std::size_t>(count);
    std::vector<std::uint8_t> records(n * kWindowInfoSize, 0);
    fn(records.data(), count, kInterfaceVersion);
    list.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* record = records.data() + i * kWindowInfoSize;
        list[i].window = layout::ReadU32(record, kWindowInfoWindowOffset);
        list[i].document =
            static_cast<std::int16_t>(layout::ReadU16(record, kWindowInfoDocumentOffset));
    }
    return list;
}

std::uint32_t GetCurrentWindow() {
    auto fn = Bound<HX_GetCurrentWindow_t>(kGetCurrentWindow);
    return fn != nullptr ? fn(kInterfaceVersion) : 0;
}

std::uint32_t SetCurrentWindow(std::uint32_t window) {
    auto fn = Bound<HX_SetCurrentWindow_t>(kSetCurrentWindow);
    return fn != nullptr ? fn(window, kInterfaceVersion) : 0;
}

std::int16_t StartEdit(const std::u16string& name) {
    BindingState& s = State();
    if (s.editOpen) {
        return 0;
    }
    auto fn = Bound<HX_StartNotavoEdit_UTF16_t>(kStartEdit);
    if (fn == nullptr) {
        return 0;  // no edit opened, so the matching end must not reach the host
    }
    s.editOpen = true;
    ++s.editCount;
    return fn(name.c_str(), kInterfaceVersion);
}

std::int16_t EndEdit() {
    BindingState& s = State();
    if (!s.editOpen) {
        return 0;
    }
    s.editOpen = false;
    if (s.editCount < 1) {
        return 1;
    }
    --s.editCount;
    auto fn = Bound<HX_EndNotavoEdit_t>(kEndEdit);
    return fn != nullptr ? fn(kInterfaceVersion) : 0;
}

void UpdateLayout() {
    if (auto fn = Bound<HX_UpdateLayout_t>(kUpdateLayout)) {
        fn(1, 0, kInterfaceVersion);
    }
}

void RedrawMusic() {
    if (auto fn = Bound<HX_RedrawMusic_t>(kRedrawMusic)) {
        fn(0, kInterfaceVersion);
    }
}

std::int16_t AlertMessage(const char* text) {
    auto fn = Bound<HX_AlertMessage_t>(kAlertMessage);
    return fn != nullptr && text != nullptr ? fn(0, 0, 0, text, kInterfaceVersion) : 0;
}

std::int16_t AlertMessageUtf16(void* hostWindow, const std::u16string& text) {
    auto fn = Bound<HX_AlertMessage_UTF16_t>(kAlertMessageUtf16);
    return fn != nullptr ? fn(hostWindow, 64, 0, text.c_str(), kInterfaceVersion) : 0;
}

std::int16_t OpenHelpItem(const char* topic) {
    auto fn = Bound<HX_OpenHelpItem_t>(kOpenHelpItem);
    return fn != nullptr && topic != nullptr ? fn(topic, kInterfaceVersion) : 0;
}

void ResetBindingForTesting() {
    State() = BindingState();
}

}  // namespace tavrel::host
