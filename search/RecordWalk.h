// Walking every record of one tag with the host's next-record call, into a
// buffer that is zeroed before each load so nothing of an earlier record or
// of a failed load is ever read.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "host/HostApi.h"
#include "host/RecordAccess.h"

namespace tavrel::engine {

// True when two keys name the same record.
inline bool SameKey(RecordKey a, RecordKey b) {
    return a.first == b.first && a.second == b.second;
}

// Calls visit(key, buffer) for every record of tag after key {0, 0}, the
// buffer holding `size` bytes. The walk ends at the first failing
// next-record, or when the host does not advance the key (it would
// otherwise never end).
template <class Visit>
void ForEachRecord(RecordTag tag, std::uint32_t size, std::uint32_t version, Visit visit) {
    std::vector<std::uint8_t> buffer(size, 0);
    RecordKey key;
    RecordKey previous;
    bool first = true;
    for (;;) {
        std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
        if (NextEData(tag, &key, buffer.data(), size, version) == 0) {
            return;
        }
        if (!first && SameKey(key, previous)) {
            return;
        }
        first = false;
        previous = key;
        visit(key, buffer.data());
    }
}

// Loads the record {tag, key} into a zeroed buffer of `size` bytes; false
// (buffer zeroed) when the host refuses.
inline bool LoadRecord(RecordTag tag, RecordKey key, std::vector<std::uint8_t>& buffer,
                       std::uint32_t size, std::uint32_t version) {
    buffer.assign(size, 0);
    std::uint32_t given = size;
    if (LoadEData(tag, &key, buffer.data(), &given, version) == 0) {
        std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
        return false;
    }
    return true;
}

}  // namespace tavrel::engine
