// The simulated host's callbacks, exported by name exactly as the plug-in
// expects to find them in the host program. Each forwards to the process's
// Simulator; nothing thrown inside ever crosses into the plug-in.
#include <cstdint>
#include <type_traits>

#include "host/HostApi.h"
#include "sim/host/Simulator.h"

#if defined(_WIN32)
#define LEXORA_HOST_EXPORT extern "C" __declspec(dllexport)
#else
#define LEXORA_HOST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

using tavrel::RecordKey;
using tavrel::sim::Simulator;

// Runs a callback; a failure inside (allocation, range) becomes `failed`.
template <typename Result, typename Call>
Result Guarded(Result failed, Call call) noexcept {
    try {
        return call(Simulator::Instance());
    } catch (...) {
        return failed;
    }
}

template <typename Call>
void GuardedVoid(Call call) noexcept {
    try {
        call(Simulator::Instance());
    } catch (...) {
        // The host shows nothing for a failed notification.
    }
}

}  // namespace

LEXORA_HOST_EXPORT std::int16_t HX_LoadEData(std::uint32_t tag, RecordKey* key, void* buffer,
                                             std::uint32_t* size, std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.LoadEData(tag, key, buffer, size, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_SaveEData(std::uint32_t tag, const RecordKey* key,
                                             const void* buffer, std::uint32_t size,
                                             std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.SaveEData(tag, key, buffer, size, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_NextEData(std::uint32_t tag, RecordKey* key, void* buffer,
                                             std::uint32_t size, std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.NextEData(tag, key, buffer, size, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_PreviousEData(std::uint32_t tag, RecordKey* key, void* buffer,
                                                 std::uint32_t size, std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.PreviousEData(tag, key, buffer, size, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_CreateEData(std::uint32_t tag, RecordKey* key, void* buffer,
                                               std::uint32_t size, std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.CreateEData(tag, key, buffer, size, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_DeleteEData(std::uint32_t tag, const RecordKey* key,
                                               std::uint32_t version) {
    return Guarded<std::int16_t>(0, [&](Simulator& s) { return s.DeleteEData(tag, key, version); });
}

LEXORA_HOST_EXPORT std::uint16_t HX_FontNameToNum(const char** name, std::uint32_t version) {
    return Guarded<std::uint16_t>(0xFFFF,
                                  [&](Simulator& s) { return s.FontNameToNum(name, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_GetCurrentKorvidDocument(std::uint32_t version) {
    return Guarded<std::int16_t>(0,
                                 [&](Simulator& s) { return s.GetCurrentKorvidDocument(version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_GetNextKorvidDocument(std::int16_t previous,
                                                         std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.GetNextKorvidDocument(previous, version); });
}

LEXORA_HOST_EXPORT void HX_SetCurrentKorvidDocument(std::int16_t document, std::uint32_t version) {
    GuardedVoid([&](Simulator& s) { s.SetCurrentKorvidDocument(document, version); });
}

LEXORA_HOST_EXPORT void HX_GetDocumentPath(std::int16_t document, char16_t* path,
                                           std::uint32_t version) {
    GuardedVoid([&](Simulator& s) { s.GetDocumentPath(document, path, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_GetWindowCount(std::uint32_t version) {
    return Guarded<std::int16_t>(0, [&](Simulator& s) { return s.GetWindowCount(version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_GetWindowInfoList(void* records, std::int16_t count,
                                                     std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.GetWindowInfoList(records, count, version); });
}

LEXORA_HOST_EXPORT std::uint32_t HX_GetCurrentWindow(std::uint32_t version) {
    return Guarded<std::uint32_t>(0, [&](Simulator& s) { return s.GetCurrentWindow(version); });
}

LEXORA_HOST_EXPORT std::uint32_t HX_SetCurrentWindow(std::uint32_t window, std::uint32_t version) {
    return Guarded<std::uint32_t>(
        0, [&](Simulator& s) { return s.SetCurrentWindow(window, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_StartNotavoEdit_UTF16(const char16_t* name,
                                                         std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.StartNotavoEdit_UTF16(name, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_EndNotavoEdit(std::uint32_t version) {
    return Guarded<std::int16_t>(0, [&](Simulator& s) { return s.EndNotavoEdit(version); });
}

LEXORA_HOST_EXPORT void HX_UpdateLayout(std::int32_t all, std::int32_t flags,
                                        std::uint32_t version) {
    GuardedVoid([&](Simulator& s) { s.UpdateLayout(all, flags, version); });
}

LEXORA_HOST_EXPORT void HX_RedrawMusic(std::int32_t flags, std::uint32_t version) {
    GuardedVoid([&](Simulator& s) { s.RedrawMusic(flags, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_AlertMessage(std::int32_t a, std::int32_t b, std::int32_t c,
                                                const char* text, std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.AlertMessage(a, b, c, text, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_AlertMessage_UTF16(void* hostWindow, std::int32_t flags,
                                                      std::int32_t c, const char16_t* text,
                                                      std::uint32_t version) {
    return Guarded<std::int16_t>(
        0, [&](Simulator& s) { return s.AlertMessage_UTF16(hostWindow, flags, c, text, version); });
}

LEXORA_HOST_EXPORT std::int16_t HX_OpenHelpItem(const char* topic, std::uint32_t version) {
    return Guarded<std::int16_t>(0, [&](Simulator& s) { return s.OpenHelpItem(topic, version); });
}

// Each export has exactly the type the plug-in casts its lookup to.
static_assert(std::is_same_v<decltype(&HX_LoadEData), HX_LoadEData_t>);
static_assert(std::is_same_v<decltype(&HX_SaveEData), HX_SaveEData_t>);
static_assert(std::is_same_v<decltype(&HX_NextEData), HX_NextEData_t>);
static_assert(std::is_same_v<decltype(&HX_PreviousEData), HX_PreviousEData_t>);
static_assert(std::is_same_v<decltype(&HX_CreateEData), HX_CreateEData_t>);
static_assert(std::is_same_v<decltype(&HX_DeleteEData), HX_DeleteEData_t>);
static_assert(std::is_same_v<decltype(&HX_FontNameToNum), HX_FontNameToNum_t>);
static_assert(
    std::is_same_v<decltype(&HX_GetCurrentKorvidDocument), HX_GetCurrentKorvidDocument_t>);
static_assert(std::is_same_v<decltype(&HX_GetNextKorvidDocument), HX_GetNextKorvidDocument_t>);
static_assert(
    std::is_same_v<decltype(&HX_SetCurrentKorvidDocument), HX_SetCurrentKorvidDocument_t>);
static_assert(std::is_same_v<decltype(&HX_GetDocumentPath), HX_GetDocumentPath_t>);
static_assert(std::is_same_v<decltype(&HX_GetWindowCount), HX_GetWindowCount_t>);
static_assert(std::is_same_v<decltype(&HX_GetWindowInfoList), HX_GetWindowInfoList_t>);
static_assert(std::is_same_v<decltype(&HX_GetCurrentWindow), HX_GetCurrentWindow_t>);
static_assert(std::is_same_v<decltype(&HX_SetCurrentWindow), HX_SetCurrentWindow_t>);
static_assert(std::is_same_v<decltype(&HX_StartNotavoEdit_UTF16), HX_StartNotavoEdit_UTF16_t>);
static_assert(std::is_same_v<decltype(&HX_EndNotavoEdit), HX_EndNotavoEdit_t>);
static_assert(std::is_same_v<decltype(&HX_UpdateLayout), HX_UpdateLayout_t>);
static_assert(std::is_same_v<decltype(&HX_RedrawMusic), HX_RedrawMusic_t>);
static_assert(std::is_same_v<decltype(&HX_AlertMessage), HX_AlertMessage_t>);
static_assert(std::is_same_v<decltype(&HX_AlertMessage_UTF16), HX_AlertMessage_UTF16_t>);
static_assert(std::is_same_v<decltype(&HX_OpenHelpItem), HX_OpenHelpItem_t>);
