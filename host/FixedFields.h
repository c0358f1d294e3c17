// Bounded reading and writing of text held in fixed-size fields of host
// data: 8-bit names inside records and UTF-16 paths in fixed buffers. A read
// never goes past its field, whether or not the field holds a terminator.
#pragma once

#include <cstddef>
#include <string>

#include "host/HostApi.h"

namespace tavrel {

// The 8-bit text in record[offset, offset + fieldSize) up to its first zero
// byte. Empty when the record is null or the field is empty.
std::string ReadFixedText8(const void* record, std::size_t offset, std::size_t fieldSize);

// Writes text into record[offset, offset + fieldSize) zero-terminated, cut
// to fieldSize - 1 bytes if longer; the rest of the field is zeroed. Returns
// false (nothing written) for a null record or an empty field, and false
// after writing when the text had to be cut.
bool WriteFixedText8(void* record, std::size_t offset, std::size_t fieldSize,
                     const std::string& text);

// The UTF-16 text of units[0, capacity) up to its first zero unit.
std::u16string ReadFixedText16(const char16_t* units, std::size_t capacity);

// A document path as filled by the host: at most kDocumentPathUnits units.
inline std::u16string DocumentPathText(const char16_t (&path)[kDocumentPathUnits]) {
    return ReadFixedText16(path, kDocumentPathUnits);
}

}  // namespace tavrel
