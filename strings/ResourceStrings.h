// Every user-visible string of the plug-in, read once from the XML resource
// carried in the library and looked up by dictionary name and key.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/Module.h"
#include "strings/Dictionary.h"

namespace resource_string {

class ResourceStrings {
  public:
    using DictionaryMap = std::map<std::string, Dictionary, std::less<>>;

    // An empty set of dictionaries whose resources come from module.
    explicit ResourceStrings(tavrel::platform::ModuleHandle module);
    ResourceStrings(const ResourceStrings&) = delete;
    ResourceStrings& operator=(const ResourceStrings&) = delete;
    virtual ~ResourceStrings() = default;

    // Reads the module's resource `name` of type "XML". True when it was
    // found, parsed and held a "dictionaries" element; what it holds merges
    // with what earlier loads read. On false nothing changes.
    bool Load(const char* name);
    // The same from a document in memory; xml holds exactly its bytes (a
    // zero byte inside ends the document).
    bool LoadFromText(const std::string& xml);

    // The dictionary of that name, or null.
    const Dictionary* FindDictionary(const char* name) const;
    // The content of a key in the given language (null: the default
    // language), falling back to the default language; or null.
    const EntryContent* GetContent(const char* dictionary, const char* key,
                                   const char* language = nullptr) const;
    // The content's first string, or the shared empty string.
    const std::string& GetString(const char* dictionary, const char* key,
                                 const char* language = nullptr) const;
    // The content's string at index (from 0), or the shared empty string;
    // it serves enumerations.
    const std::string& GetString(const char* dictionary, const char* key, int index,
                                 const char* language = nullptr) const;

    tavrel::platform::ModuleHandle Module() const { return module_; }
    const DictionaryMap& Dictionaries() const { return dictionaries_; }

  private:
    tavrel::platform::ModuleHandle module_;
    DictionaryMap dictionaries_;
};

}  // namespace resource_string
