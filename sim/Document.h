// One open score in the simulated host: its records by tag and key, binary
// records as bytes and text records as UTF-16, plus the path it came from.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/HostApi.h"

namespace tavrel::sim {

using Bytes = std::vector<std::uint8_t>;

class Document {
  public:
    // Binary records (tags that are not text kinds).
    const Bytes* FindRecord(RecordTag tag, RecordKey key) const;
    void PutRecord(RecordTag tag, RecordKey key, Bytes bytes);

    // Text records (text kinds), held without their terminating zero.
    const std::u16string* FindText(RecordTag tag, RecordKey key) const;
    void PutText(RecordTag tag, RecordKey key, std::u16string text);

    // Either store, chosen by the tag.
    bool Contains(RecordTag tag, RecordKey key) const;
    bool Erase(RecordTag tag, RecordKey key);
    // A binary record's bytes, or a text record's units with the zero.
    std::optional<std::uint32_t> RecordSize(RecordTag tag, RecordKey key) const;

    // Key order: first half, then second. Next is strictly greater,
    // previous strictly smaller.
    std::optional<RecordKey> NextKey(RecordTag tag, RecordKey after) const;
    std::optional<RecordKey> PreviousKey(RecordTag tag, RecordKey before) const;
    std::optional<RecordKey> LastKey(RecordTag tag) const;
    std::vector<RecordKey> Keys(RecordTag tag) const;
    // Every tag that holds at least one record, ascending.
    std::vector<RecordTag> Tags() const;

    // The score file's path as given (UTF-8).
    const std::string& Path() const { return path_; }
    void SetPath(std::string utf8) { path_ = std::move(utf8); }

    // Counts every change of a record, so callers can tell a changed score.
    unsigned long Revision() const { return revision_; }

  private:
    std::map<RecordTag, std::map<std::uint32_t, Bytes>> records_;
    std::map<RecordTag, std::map<std::uint32_t, std::u16string>> texts_;
    std::string path_;
    unsigned long revision_ = 0;
};

}  // namespace tavrel::sim
