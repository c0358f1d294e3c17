// The list of documents one "Replace All" visits: the current document
// alone, or every open document, each with its window and path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/HostApi.h"

namespace tavrel {

// Modes of BuildDocumentList.
constexpr std::uint32_t kListCurrentDocument = 16;
constexpr std::uint32_t kListAllDocuments = 288;

// Flags of DocumentInfo.
constexpr std::uint16_t kDocumentWasCurrent = 1;  // current when the list was built
constexpr std::uint16_t kDocumentPassOver = 2;    // the walk skips it (never set here)

class DocumentInfo {
  public:
    DocumentInfo() = default;
    DocumentInfo(std::int16_t document, std::uint32_t window, std::uint16_t flags);
    virtual ~DocumentInfo() = default;

    std::int16_t document = 0;
    std::uint32_t window = 0;
    std::uint16_t flags = 0;
    char16_t path[kDocumentPathUnits] = {};

    // The path up to its first zero.
    std::u16string PathText() const;
};

// The entries in the order added; walked from the first.
class DocumentStack {
  public:
    DocumentStack() = default;
    virtual ~DocumentStack() = default;

    void Clear() { entries_.clear(); }
    void Add(const DocumentInfo& info) { entries_.push_back(info); }
    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const DocumentInfo& At(std::size_t i) const { return entries_.at(i); }

    std::vector<DocumentInfo>::const_iterator begin() const { return entries_.begin(); }
    std::vector<DocumentInfo>::const_iterator end() const { return entries_.end(); }

  private:
    std::vector<DocumentInfo> entries_;
};

// Empties stack and lists the documents of the mode: kListCurrentDocument
// the current one, kListAllDocuments every open one (nothing when there is
// no current document). Any other mode lists nothing. Returns the count.
int BuildDocumentList(std::uint32_t mode, DocumentStack& stack);

// The window value of the document from the host's window-info list; 0 when
// it has none.
std::uint32_t WindowOfDocument(std::int16_t document);

}  // namespace tavrel
