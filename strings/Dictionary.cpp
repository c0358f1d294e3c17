// Lookups inside one dictionary and the process-wide default language.
#include "strings/Dictionary.h"

namespace resource_string {
namespace {

// Function-local so that a lookup made while the library is still being
// initialised (its load hook) never meets an unconstructed string.
std::string& DefaultLanguageStorage() {
    static std::string language = "en";
    return language;
}

}  // namespace

const std::string& DefaultLanguage() {
    return DefaultLanguageStorage();
}

void SetDefaultLanguage(const std::string& language) {
    DefaultLanguageStorage() = language;
}

const std::string& EmptyString() {
    static const std::string empty;
    return empty;
}

const std::string& EntryContent::At(std::size_t index) const {
    return index < strings_.size() ? strings_[index] : EmptyString();
}

const EntryContent* DictionaryEntry::FindContent(std::string_view language) const {
    auto found = contents_.find(language);
    return found == contents_.end() ? nullptr : &found->second;
}

const EntryContent* DictionaryEntry::Lookup(const char* language) const {
    const std::string& fallback = DefaultLanguage();
    if (language == nullptr) {
        return FindContent(fallback);
    }
    if (const EntryContent* own = FindContent(language)) {
        return own;
    }
    return fallback == language ? nullptr : FindContent(fallback);
}

EntryContent& DictionaryEntry::ContentFor(const std::string& language) {
    return contents_[language];
}

const DictionaryEntry* Dictionary::FindEntry(const char* key) const {
    if (key == nullptr) {
        return nullptr;
    }
    auto found = entries_.find(std::string_view(key));
    return found == entries_.end() ? nullptr : &found->second;
}

DictionaryEntry& Dictionary::EntryFor(const std::string& key) {
    return entries_[key];
}

}  // namespace resource_string
