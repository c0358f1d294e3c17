// The contract between the plug-in and the host program: record identity and
// the signatures of the host's exported HX_ callbacks. Both the plug-in's
// binding layer and the host simulator include this one header.
#pragma once

#include <cstdint>

namespace tavrel {

using RecordTag = std::uint32_t;

// A record key: two 16-bit halves, laid out as the host expects (4 bytes).
struct RecordKey {
    std::uint16_t first = 0;
    std::uint16_t second = 0;
};
static_assert(sizeof(RecordKey) == 4, "the host reads a key as two 16-bit halves");

constexpr std::uint32_t kInterfaceVersion = 0x11000000;

// A tag from four characters, most significant byte first: Tag("SOTX").
constexpr RecordTag Tag(const char (&c)[5]) {
    return (RecordTag(std::uint8_t(c[0])) << 24) | (RecordTag(std::uint8_t(c[1])) << 16) |
           (RecordTag(std::uint8_t(c[2])) << 8) | RecordTag(std::uint8_t(c[3]));
}

// Window-info records filled by HX_GetWindowInfoList.
constexpr int kWindowInfoSize = 536;
constexpr int kWindowInfoWindowOffset = 520;    // 32-bit window value
constexpr int kWindowInfoDocumentOffset = 524;  // 16-bit document id
constexpr int kDocumentPathUnits = 260;

}  // namespace tavrel

// Signatures of the host callbacks, each taking the interface version last.
// Text is UTF-16 (char16_t) or 8-bit (char) as named.
extern "C" {
typedef std::int16_t (*HX_LoadEData_t)(std::uint32_t tag, tavrel::RecordKey* key, void* buffer,
                                       std::uint32_t* size, std::uint32_t version);
typedef std::int16_t (*HX_SaveEData_t)(std::uint32_t tag, const tavrel::RecordKey* key,
                                       const void* buffer, std::uint32_t size,
                                       std::uint32_t version);
typedef std::int16_t (*HX_NextEData_t)(std::uint32_t tag, tavrel::RecordKey* key, void* buffer,
                                       std::uint32_t size, std::uint32_t version);
typedef HX_NextEData_t HX_PreviousEData_t;
typedef HX_NextEData_t HX_CreateEData_t;
typedef std::int16_t (*HX_DeleteEData_t)(std::uint32_t tag, const tavrel::RecordKey* key,
                                         std::uint32_t version);
typedef std::uint16_t (*HX_FontNameToNum_t)(const char** name, std::uint32_t version);
typedef std::int16_t (*HX_GetCurrentKorvidDocument_t)(std::uint32_t version);
typedef std::int16_t (*HX_GetNextKorvidDocument_t)(std::int16_t previous, std::uint32_t version);
typedef void (*HX_SetCurrentKorvidDocument_t)(std::int16_t document, std::uint32_t version);
typedef void (*HX_GetDocumentPath_t)(std::int16_t document, char16_t* path, std::uint32_t version);
typedef std::int16_t (*HX_GetWindowCount_t)(std::uint32_t version);
typedef std::int16_t (*HX_GetWindowInfoList_t)(void* records, std::int16_t count,
                                               std::uint32_t version);
typedef std::uint32_t (*HX_GetCurrentWindow_t)(std::uint32_t version);
typedef std::uint32_t (*HX_SetCurrentWindow_t)(std::uint32_t window, std::uint32_t version);
typedef std::int16_t (*HX_StartNotavoEdit_UTF16_t)(const char16_t* name, std::uint32_t version);
typedef std::int16_t (*HX_EndNotavoEdit_t)(std::uint32_t version);
typedef void (*HX_UpdateLayout_t)(std::int32_t all, std::int32_t flags, std::uint32_t version);
typedef void (*HX_RedrawMusic_t)(std::int32_t flags, std::uint32_t version);
typedef std::int16_t (*HX_AlertMessage_t)(std::int32_t a, std::int32_t b, std::int32_t c,
                                          const char* text, std::uint32_t version);
typedef std::int16_t (*HX_AlertMessage_UTF16_t)(void* hostWindow, std::int32_t flags,
                                                std::int32_t c, const char16_t* text,
                                                std::uint32_t version);
typedef std::int16_t (*HX_OpenHelpItem_t)(const char* topic, std::uint32_t version);
}
