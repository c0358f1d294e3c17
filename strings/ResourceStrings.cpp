// Loading the dictionaries from the XML resource and answering lookups.
#include "strings/ResourceStrings.h"

#include <string_view>

#include "platform/Resource.h"

#include <tinyxml.h>

namespace resource_string {
namespace {

// A "string" element: its "content" when it has one, otherwise the
// "content" of each "enumeration" child, in order.
void ReadString(const TiXmlElement& element, DictionaryEntry& entry) {
    const char* language = element.Attribute("language");
    EntryContent& content = entry.ContentFor(language ? std::string(language) : DefaultLanguage());
    if (const char* text = element.Attribute("content")) {
        content.Append(text);
        return;
    }
    for (const TiXmlElement* item = element.FirstChildElement("enumeration"); item != nullptr;
         item = item->NextSiblingElement("enumeration")) {
        if (const char* text = item->Attribute("content")) {
            content.Append(text);
        }
    }
}

// An entry without a key is skipped with everything inside it.
void ReadEntry(const TiXmlElement& element, Dictionary& dictionary) {
    const char* key = element.Attribute("key");
    if (key == nullptr) {
        return;
    }
    DictionaryEntry& entry = dictionary.EntryFor(key);
    for (const TiXmlElement* string = element.FirstChildElement("string"); string != nullptr;
         string = string->NextSiblingElement("string")) {
        ReadString(*string, entry);
    }
}

// A dictionary without a name, or with an empty one, is skipped whole.
void ReadDictionary(const TiXmlElement& element, ResourceStrings::DictionaryMap& dictionaries) {
    const char* name = element.Attribute("name");
    if (name == nullptr || *name == '\0') {
        return;
    }
    Dictionary& dictionary = dictionaries[name];
    for (const TiXmlElement* entry = element.FirstChildElement("entry"); entry != nullptr;
         entry = entry->NextSiblingElement("entry")) {
        ReadEntry(*entry, dictionary);
    }
}

}  // namespace

ResourceStrings::ResourceStrings(tavrel::platform::ModuleHandle module) : module_(module) {}

bool ResourceStrings::Load(const char* name) {
    std::string bytes;
    if (!tavrel::platform::LoadModuleResource(module_, name, "XML", bytes)) {
        return false;
    }
    return LoadFromText(bytes);
}

bool ResourceStrings::LoadFromText(const std::string& xml) {
    // A resource is not zero-terminated, but the parser reads up to a zero:
    // xml is a copy of exactly the resource's bytes, and c_str() ends it.
    TiXmlDocument document;
    document.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (document.Error()) {
        // A document that does not parse merges nothing, not a part of itself.
        return false;
    }
    const TiXmlElement* root = document.FirstChildElement("dictionaries");
    if (root == nullptr) {
        return false;
    }
    if (const char* language = root->Attribute("default-language")) {
        SetDefaultLanguage(language);
    }
    for (const TiXmlElement* dictionary = root->FirstChildElement("dictionary");
         dictionary != nullptr; dictionary = dictionary->NextSiblingElement("dictionary")) {
        ReadDictionary(*dictionary, dictionaries_);
    }
    return true;
}

const Dictionary* ResourceStrings::FindDictionary(const char* name) const {
    if (name == nullptr) {
        return nullptr;
    }
    auto found = dictionaries_.find(std::string_view(name));
    return found == dictionaries_.end() ? nullptr : &found->second;
}

const EntryContent* ResourceStrings::GetContent(const char* dictionary, const char* key,
                                                const char* language) const {
    const Dictionary* found = FindDictionary(dictionary);
    const DictionaryEntry* entry = found ? found->FindEntry(key) : nullptr;
    return entry ? entry->Lookup(language) : nullptr;
}

const std::string& ResourceStrings::GetString(const char* dictionary, const char* key,
                                              const char* language) const {
    return GetString(dictionary, key, 0, language);
}

const std::string& ResourceStrings::GetString(const char* dictionary, const char* key, int index,
                                              const char* language) const {
    const EntryContent* content = GetContent(dictionary, key, language);
    if (content == nullptr || index < 0) {
        return EmptyString();
    }
    return content->At(static_cast<std::size_t>(index));
}

}  // namespace resource_string
