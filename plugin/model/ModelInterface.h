// The abstract plug-in model the shell talks to. The order of the virtual
// operations is part of the contract: it fixes the table slots, so new
// operations go after the last one and none is moved.
#pragma once

#include <cstdint>

#include "platform/Module.h"
#include "text/UniversalString.h"

namespace resource_string {
class EntryContent;
}

class ModelInterface {
  public:
    ModelInterface(const ModelInterface&) = delete;
    ModelInterface& operator=(const ModelInterface&) = delete;
    virtual ~ModelInterface();

    // Keeps the host's value; returns the interface version word.
    virtual std::uint32_t Version(std::uint32_t hostValue) = 0;
    virtual std::uint32_t Init(std::uint32_t first, std::uint32_t second) = 0;
    virtual std::uint32_t Reserved(std::uint32_t first, std::uint32_t second, std::uint32_t third);
    virtual std::uint32_t Enumerate(std::uint32_t first, std::uint32_t second, std::uint32_t third);
    virtual std::uint32_t Invoke(std::uint32_t first, std::uint32_t second, std::uint32_t third,
                                 std::uint32_t fourth) = 0;
    virtual void Terminate(std::uint32_t value) = 0;
    virtual std::uint32_t GetMenuStatus(std::int16_t index) = 0;
    // Binds the model to the library's module and reads its strings.
    virtual void Attach(tavrel::platform::ModuleHandle module) = 0;
    // The module given to Attach; null before.
    virtual tavrel::platform::ModuleHandle ModuleHandle() const = 0;
    // The value given to Version.
    virtual std::uint32_t HostValue() const = 0;
    // The content of a key (null language: the default one), or null.
    virtual const resource_string::EntryContent* FindEntry(const char* dictionary, const char* key,
                                                           const char* language) const;
    // Sets out to the localized string, or to an empty string when the
    // dictionary or key is missing, and returns it.
    virtual tavrel::UniversalString& GetString(tavrel::UniversalString& out, const char* dictionary,
                                               const char* key, const char* language) const;

  protected:
    ModelInterface() = default;
};
