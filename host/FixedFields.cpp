// Bounded text fields of host data.
#include "host/FixedFields.h"

#include <cstdint>
#include <cstring>

#include "text/Ascii.h"

namespace tavrel {

std::string ReadFixedText8(const void* record, std::size_t offset, std::size_t fieldSize) {
    if (record == nullptr) {
        return std::string();
    }
    return std::string(TerminatedView(static_cast<const char*>(record) + offset, fieldSize));
}

bool WriteFixedText8(void* record, std::size_t offset, std::size_t fieldSize,
                     const std::string& text) {
    if (record == nullptr || fieldSize == 0) {
        return false;
    }
    char* field = static_cast<char*>(record) + offset;
    std::memset(field, 0, fieldSize);
    const std::size_t n = text.size() < fieldSize ? text.size() : fieldSize - 1;
    std::memcpy(field, text.data(), n);
    return n == text.size();
}

std::u16string ReadFixedText16(const char16_t* units, std::size_t capacity) {
    return std::u16string(TerminatedView(units, capacity));
}

}  // namespace tavrel
