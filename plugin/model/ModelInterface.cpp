// What an abstract model answers where a concrete one adds nothing.
#include "plugin/model/ModelInterface.h"

ModelInterface::~ModelInterface() = default;

std::uint32_t ModelInterface::Reserved(std::uint32_t, std::uint32_t, std::uint32_t) {
    return 0;
}

std::uint32_t ModelInterface::Enumerate(std::uint32_t, std::uint32_t, std::uint32_t) {
    return 0;
}

const resource_string::EntryContent* ModelInterface::FindEntry(const char*, const char*,
                                                               const char*) const {
    return nullptr;
}

tavrel::UniversalString& ModelInterface::GetString(tavrel::UniversalString& out, const char*,
                                                   const char*, const char*) const {
    out = tavrel::UniversalString();
    return out;
}
