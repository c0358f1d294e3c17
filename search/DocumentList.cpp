// Building the document list from the host's documents and windows.
#include "search/DocumentList.h"

#include "host/FixedFields.h"
#include "host/HostCallbacks.h"
#include "host/RecordLayout.h"

namespace tavrel {

namespace {

// The host numbers documents with 16 bits, so a walk that does not end by
// itself ends after this many steps.

DocumentInfo MakeEntry(std::int16_t document, std::uint32_t window, std::uint16_t flags) {
    DocumentInfo info(document, window, flags);
    host::GetDocumentPath(document, info.path);
    return info;
}

}  // namespace

DocumentInfo::DocumentInfo(std::int16_t documentId, std::uint32_t windowValue,
                           std::uint16_t entryFlags)
    : document(documentId), window(windowValue), flags(entryFlags) {}

std::u16string DocumentInfo::PathText() const {
    return DocumentPathText(path);
}

std::uint32_t WindowOfDocument(std::int16_t document) {
    const std::int16_t count = host::GetWindowCount();
    if (count < 1) {
        return 0;
    }
    for (const host::WindowInfo& info : host::GetWindowInfoList(count)) {
        if (info.document == document) {
            return info.window;
        }
    }
    return 0;
}

int BuildDocumentList(std::uint32_t mode, DocumentStack& stack) {
    const std::int16_t current = host::GetCurrentDocument();
    stack.Clear();
    if (current < 1) {
        return 0;  // ids start at 1; the walk below ends below 1 too
    }
    if (mode == kListCurrentDocument) {
        stack.Add(MakeEntry(current, host::GetCurrentWindow(), kDocumentWasCurrent));
        return 1;
    }
    if (mode != kListAllDocuments) {
        return 0;
    }
    std::int16_t id = host::GetNextDocument(0);
    for (int steps = 0; id >= 1 && steps < layout::kMostDocuments; ++steps) {
        const std::uint16_t flags = id == current ? kDocumentWasCurrent : 0;
        stack.Add(MakeEntry(id, WindowOfDocument(id), flags));
        id = host::GetNextDocument(id);
    }
    return static_cast<int>(stack.Count());
}

}  // namespace tavrel
