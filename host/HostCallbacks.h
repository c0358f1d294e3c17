// The plug-in's binding to the host program's exported HX_ callbacks: the
// host module is found once, each callback is looked up by name on its first
// use and remembered, and every call passes the interface version word last.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/HostApi.h"

namespace tavrel::host {

// The name of the host's executable module.
constexpr const char* kHostModuleName = "NOTAVO.EXE";

// Record callbacks, passed straight through (the record access layer adds
// the version rules). A missing export is a failed call: 0.
std::int16_t LoadEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                          std::uint32_t version);
std::int16_t SaveEDataRaw(RecordTag tag, const RecordKey* key, const void* buffer,
                          std::uint32_t size, std::uint32_t version);
std::int16_t NextEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                          std::uint32_t version);
std::int16_t PreviousEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                              std::uint32_t version);
std::int16_t CreateEDataRaw(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                            std::uint32_t version);
std::int16_t DeleteEDataRaw(RecordTag tag, const RecordKey* key, std::uint32_t version);

// The current document's number for the zero-terminated 8-bit font name;
// 0xFFFF when the host lacks the export or the name is null.
std::uint16_t FontNameToNum(const char* name);

// Documents. A missing export gives 0 / does nothing.
std::int16_t GetCurrentDocument();
// The document after `previous` (0 starts); below 1 at the end.
std::int16_t GetNextDocument(std::int16_t previous);
void SetCurrentDocument(std::int16_t document);
// Zeroes `path` and lets the host fill it; untouched when the export is
// missing. Read the result with DocumentPathText (host/FixedFields.h).
void GetDocumentPath(std::int16_t document, char16_t (&path)[kDocumentPathUnits]);

// Windows. The count is never negative: a negative answer from the host
// means no windows to list, so callers can size buffers from it directly.
std::int16_t GetWindowCount();

// One entry of the host's window-info list.
struct WindowInfo {
    std::int16_t document = 0;
    std::uint32_t window = 0;
};
// Lets the host fill `count` window-info records and reads each one's
// document id and window value. Empty when count < 1 or the export is missing.
std::vector<WindowInfo> GetWindowInfoList(std::int16_t count);
std::uint32_t GetCurrentWindow();
std::uint32_t SetCurrentWindow(std::uint32_t window);

// Undoable edits. At most one is open: starting while one is open, or ending
// while none is, does nothing. An open count rides beside the flag: ending
// when it is below 1 gives 1 without calling the host. Starting does nothing
// (and opens nothing) when the host lacks the start export.
std::int16_t StartEdit(const std::u16string& name);
std::int16_t EndEdit();

// Display. A missing export does nothing.
void UpdateLayout();
void RedrawMusic();

// Alerts and help. A missing export or a null text does nothing and gives 0.
std::int16_t AlertMessage(const char* text);
std::int16_t AlertMessageUtf16(void* hostWindow, const std::u16string& text);
std::int16_t OpenHelpItem(const char* topic);

// TEST ONLY: forgets the host module, every remembered callback address and
// the edit state, so a test can install another fake host.
void ResetBindingForTesting();

}  // namespace tavrel::host
