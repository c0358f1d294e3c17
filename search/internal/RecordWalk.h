// Walking every record of one tag with the host's next-record call, into a
// buffer that is zeroed before each load so nothing of an earlier record or
// of a failed load is ever read.
// Private to the engine, as everything in search/internal/ is.
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

// Steps from `key` with step(key), the host's next-record call returning
// true while a record exists, and calls visit(key) for each record. The
// walk ends at the first failing step, or when the host hands back the key
// it was given (it would otherwise never end); with guardStart the starting
// key itself counts as given.
template <class Step, class Visit>
void WalkKeys(RecordKey key, bool guardStart, Step step, Visit visit) {
    RecordKey previous = key;
    bool guarded = guardStart;
    while (step(key)) {
        if (guarded && SameKey(key, previous)) {
            return;
        }
        guarded = true;
        previous = key;
        visit(key);
    }
}

// Calls visit(key, buffer) for every record of tag after key {0, 0}, the
// buffer holding `size` bytes, zeroed before each load.
template <class Visit>
void ForEachRecord(RecordTag tag, std::uint32_t size, std::uint32_t version, Visit visit) {
    std::vector<std::uint8_t> buffer(size, 0);
    WalkKeys(
        RecordKey(), false,
        [&](RecordKey& key) {
            std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
            return NextEData(tag, &key, buffer.data(), size, version) != 0;
        },
        [&](RecordKey key) { visit(key, buffer.data()); });
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
