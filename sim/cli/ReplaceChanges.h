// What a replace run changed: each open document keeps the records as they
// were before their first change, and the listing compares them with what
// the host holds now, whatever path the plug-in took.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/HostApi.h"
#include "sim/codec/Document.h"

namespace tavrel::sim {

// The records of one document, binary records as bytes and text records as
// their UTF-16 units (as bytes, two per unit), by tag and key: a whole
// document in a form two documents compare in.
class DocumentSnapshot {
  public:
    explicit DocumentSnapshot(const Document& document);

    using Entry = std::pair<bool, Bytes>;  // (is text, contents)
    const std::map<std::pair<RecordTag, std::uint32_t>, Entry>& Entries() const { return entries_; }

  private:
    std::map<std::pair<RecordTag, std::uint32_t>, Entry> entries_;
};

struct RecordChange {
    std::size_t document = 0;  // index among the opened scores
    RecordTag tag = 0;
    RecordKey key;
    std::string kind;    // "text expression", "articulation", ...
    std::string record;  // "txxp 1"
    std::string before;  // a description of the contents, "(none)" when it did not exist
    std::string after;
};

// The records that differ between two snapshots of one document, ordered as
// the search walks the kinds, then by key.
std::vector<RecordChange> CompareSnapshots(std::size_t document, const DocumentSnapshot& before,
                                           const DocumentSnapshot& after);

// The records of one document that differ from what they were when it
// began tracking changes (Document::TrackChanges), ordered as the search
// walks the kinds, then by key.
std::vector<RecordChange> ListChanges(std::size_t document, const Document& now);

// The contents of a record as a person reads them: texts quoted, names
// quoted, styles as font/size/bits, articulation slots with their
// characters; other records as hex.
std::string DescribeRecord(RecordTag tag, bool isText, const Bytes& contents);

// One line per change, columns aligned: document, kind, record, before → after.
std::string FormatChanges(const std::vector<std::string>& documentNames,
                          const std::vector<RecordChange>& changes);

}  // namespace tavrel::sim
