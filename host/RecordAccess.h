// The record access layer: every load, save and walk of a host record goes
// through here, so the version word matches the caller's layout, old layouts
// that newer hosts keep differently still load, and a caller's buffer is
// never written past the size it gave.
#pragma once

#include <cstdint>

#include "host/HostApi.h"

namespace tavrel {

// Loads the record {tag, *key} into buffer (capacity *size bytes); without a
// buffer the host stores the record's size in *size. Non-zero is success.
// Fails without calling the host when key or size is null.
std::int16_t LoadEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                       std::uint32_t version);
// Saves size bytes of buffer as the record {tag, *key}. Fails without calling
// the host when key is null, or buffer is null with a non-zero size.
std::int16_t SaveEData(RecordTag tag, const RecordKey* key, const void* buffer, std::uint32_t size,
                       std::uint32_t version);
// Advances *key to the next record of the tag ({0, 0} starts the walk) and
// loads it into buffer when one is given. Non-zero while a record exists.
std::int16_t NextEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                       std::uint32_t version);
std::int16_t PreviousEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                           std::uint32_t version);
std::int16_t CreateEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                         std::uint32_t version);
std::int16_t DeleteEData(RecordTag tag, const RecordKey* key, std::uint32_t version);

}  // namespace tavrel
