// One open score in the simulated host: its records by tag and key, binary
// records as bytes and text records as UTF-16, plus the path it came from.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/HostApi.h"

namespace tavrel::sim {

using Bytes = std::vector<std::uint8_t>;

// A place in one of a document's maps, kept between calls so that a walk
// (a record, then the next, then a change to it) costs no search per step.
// A copy starts without one: it would point into the other document.
template <typename Map>
struct MapCursor {
    MapCursor() = default;
    MapCursor(const MapCursor&) {}
    MapCursor& operator=(const MapCursor&) {
        valid = false;
        return *this;
    }
    void Set(RecordTag inTag, const Map* inMap, typename Map::const_iterator inAt) {
        valid = true;
        tag = inTag;
        map = inMap;
        at = inAt;
    }
    bool At(RecordTag inTag, std::uint32_t order) const {
        return valid && tag == inTag && at->first == order;
    }

    bool valid = false;
    RecordTag tag = 0;
    const Map* map = nullptr;
    typename Map::const_iterator at;
};

class Document {
  public:
    // Binary records (tags that are not text kinds).
    const Bytes* FindRecord(RecordTag tag, RecordKey key) const;
    void PutRecord(RecordTag tag, RecordKey key, Bytes bytes);

    // Text records (text kinds), held without their terminating zero.
    const std::u16string* FindText(RecordTag tag, RecordKey key) const;
    void PutText(RecordTag tag, RecordKey key, std::u16string text);

    // Adds a record that is not there yet; false, and nothing changed, when
    // it is. Records added in ascending key order go in at constant cost.
    bool AddRecord(RecordTag tag, RecordKey key, Bytes bytes);
    bool AddText(RecordTag tag, RecordKey key, std::u16string text);

    // Every binary record of a tag (text record of a kind), by key order:
    // for walks over a whole kind without a lookup per record.
    using RecordMap = std::map<std::uint32_t, Bytes>;
    using TextMap = std::map<std::uint32_t, std::u16string>;
    const RecordMap& RecordsOf(RecordTag tag) const;
    const TextMap& TextsOf(RecordTag tag) const;

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

    // A record as it was before its first change since TrackChanges.
    struct Earlier {
        bool existed = false;  // false: the change created it
        bool isText = false;
        Bytes bytes;          // a binary record's
        std::u16string text;  // a text record's
    };
    using RecordId = std::pair<RecordTag, std::uint32_t>;  // tag, key order

    // From now on keeps each record as it was before its first change, so
    // what a run changed is known without a copy of the whole document.
    // Calling it again forgets what was kept.
    void TrackChanges();
    // Stops keeping them, and forgets those kept.
    void StopTracking();
    // Every record changed, created or erased since then, by tag and key.
    const std::map<RecordId, Earlier>& Changed() const { return earlier_; }

  private:
    void Remember(RecordTag tag, RecordKey key, bool isText);
    template <typename Map, typename Value>
    bool Add(Map& map, std::uint32_t order, Value value);

    std::map<RecordTag, RecordMap> records_;
    std::map<RecordTag, TextMap> texts_;
    std::string path_;
    unsigned long revision_ = 0;
    bool tracking_ = false;
    std::map<RecordId, Earlier> earlier_;
    // Where the last search in each map ended (an erase forgets them).
    mutable MapCursor<RecordMap> recordAt_;
    mutable MapCursor<TextMap> textAt_;
    MapCursor<std::map<RecordId, Earlier>> earlierAt_;
};

}  // namespace tavrel::sim
