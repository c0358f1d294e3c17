// "Replace All" over documents: the work the main dialog does after reading
// its controls, from the document list to the host alert, kept free of any
// window so the command line runs exactly the same steps.
#pragma once

#include <cstdint>

#include "search/SearchRequest.h"
#include "text/UniversalString.h"

namespace resource_string {
class ResourceStrings;
}

namespace tavrel {

// The texts Replace All shows and names its host edits with.
struct ReplaceAllMessages {
    UniversalString undoItem;          // "Lexora"
    UniversalString noOccurrence;      // "No occurrence found!"
    UniversalString oneOccurrence;     // "One occurrence was found and replaced."
    UniversalString occurrencesFound;  // " occurrences were found and replaced."
};

// The four texts from the dictionary "lexo-messages"; a missing one is empty.
ReplaceAllMessages LoadReplaceAllMessages(const resource_string::ResourceStrings& strings);

// The alert text for a total.
UniversalString ResultMessage(std::uint32_t total, const ReplaceAllMessages& messages);

struct ReplaceAllResult {
    std::uint32_t total = 0;  // occurrences replaced and items restyled, all saved
    int documents = 0;        // documents searched
    bool completed = true;    // false when the walk ended early in an exception
    UniversalString message;  // what the alert says
};

// Walks the current document, or every open document when the request has
// SR_ALL_DOCUMENTS, and replaces in each inside one host edit named by
// messages.undoItem. Each document gets fresh copies of the request's texts,
// with fonts resolved in that document, so the request itself is never
// changed. An exception ends the open edit and the walk; it never leaves
// this function. Shows no alert.
ReplaceAllResult RunReplaceAll(const SearchRequest& request, const ReplaceAllMessages& messages);

// Shows the result's message in the host's alert, owned by hostWindow.
void ShowReplaceAllResult(void* hostWindow, const ReplaceAllResult& result);

// RunReplaceAll, then ShowReplaceAllResult.
ReplaceAllResult ReplaceAllInDocuments(const SearchRequest& request,
                                       const ReplaceAllMessages& messages, void* hostWindow);

}  // namespace tavrel
