// Replace All over the documents of the document list, one host edit each.
#include "search/ReplaceAll.h"

#include <string>

#include "host/HostCallbacks.h"
#include "search/DocumentList.h"
#include "search/Engine.h"
#include "strings/ResourceStrings.h"

namespace tavrel {

namespace {

constexpr const char* kMessages = "lexo-messages";

// Searches one document that is already current, inside its own edit.
// runningTotal grows as changes are saved, also when this throws.
void ReplaceInDocument(const SearchRequest& request, const ReplaceAllMessages& messages,
                       std::uint32_t& runningTotal) {
    UniversalString searchText = request.searchText;
    UniversalString replaceText = request.replaceText;
    ResolveFontNumber(searchText.style());
    ResolveFontNumber(replaceText.style());
    host::StartEdit(messages.undoItem.text());
    const std::uint32_t n =
        ReplaceInCurrentDocument(searchText, replaceText, request.options, runningTotal);
    if (n > 0) {
        host::UpdateLayout();
        host::RedrawMusic();
    }
    host::EndEdit();
}

}  // namespace

ReplaceAllMessages LoadReplaceAllMessages(const resource_string::ResourceStrings& strings) {
    ReplaceAllMessages m;
    m.undoItem = UniversalString(strings.GetString(kMessages, "undo-item"));
    m.noOccurrence = UniversalString(strings.GetString(kMessages, "no-occurrence"));
    m.oneOccurrence = UniversalString(strings.GetString(kMessages, "one-occurrence-found"));
    m.occurrencesFound = UniversalString(strings.GetString(kMessages, "occurrences-found"));
    return m;
}

UniversalString ResultMessage(std::uint32_t total, const ReplaceAllMessages& messages) {
    if (total < 1) {
        return messages.noOccurrence;
    }
    if (total == 1) {
        return messages.oneOccurrence;
    }
    UniversalString message(std::to_string(total));
    message += messages.occurrencesFound;
    return message;
}

ReplaceAllResult RunReplaceAll(const SearchRequest& request, const ReplaceAllMessages& messages) {
    ReplaceAllResult result;
    std::uint32_t before = 0;
    try {
        DocumentStack stack;
        const std::uint32_t mode =
            (request.options & SR_ALL_DOCUMENTS) != 0 ? kListAllDocuments : kListCurrentDocument;
        BuildDocumentList(mode, stack);
        for (const DocumentInfo& entry : stack) {
            if ((entry.flags & kDocumentPassOver) != 0) {
                continue;
            }
            host::SetCurrentDocument(entry.document);
            host::SetCurrentWindow(entry.window);
            before = result.total;
            ++result.documents;
            ReplaceInDocument(request, messages, result.total);
        }
    } catch (...) {
        // What was saved before the failure stands and is reported; the
        // host's edit must not stay open and nothing may unwind into it.
        if (result.total > before) {
            host::UpdateLayout();
            host::RedrawMusic();
        }
        host::EndEdit();
        result.completed = false;
    }
    try {
        result.message = ResultMessage(result.total, messages);
    } catch (...) {
        result.completed = false;  // no memory even for the message: show none
    }
    return result;
}

void ShowReplaceAllResult(void* hostWindow, const ReplaceAllResult& result) {
    host::AlertMessageUtf16(hostWindow, result.message.text());
}

ReplaceAllResult ReplaceAllInDocuments(const SearchRequest& request,
                                       const ReplaceAllMessages& messages, void* hostWindow) {
    ReplaceAllResult result = RunReplaceAll(request, messages);
    ShowReplaceAllResult(hostWindow, result);
    return result;
}

}  // namespace tavrel
