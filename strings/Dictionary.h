// The three levels of a string dictionary (dictionary → keyed entry →
// per-language content) and the process-wide language rule that every
// lookup follows. Strings are 8-bit and hold UTF-8 bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace resource_string {

// The language a string without its own "language" attribute is filed under,
// and the one a lookup without a language reads: "en" until a loaded
// document names another.
const std::string& DefaultLanguage();
void SetDefaultLanguage(const std::string& language);

// The one empty string that every failed lookup hands back, so callers may
// keep the reference for as long as the process lives.
const std::string& EmptyString();

// One text in one language, or the items of an enumeration in document order.
class EntryContent {
  public:
    EntryContent() = default;
    EntryContent(const EntryContent&) = default;
    EntryContent(EntryContent&&) noexcept = default;
    EntryContent& operator=(const EntryContent&) = default;
    EntryContent& operator=(EntryContent&&) noexcept = default;
    virtual ~EntryContent() = default;

    void Append(const std::string& text) { strings_.push_back(text); }
    std::size_t Count() const { return strings_.size(); }
    bool Empty() const { return strings_.empty(); }
    // The string at index, or the shared empty string when there is none.
    const std::string& At(std::size_t index) const;
    const std::vector<std::string>& Strings() const { return strings_; }

  private:
    std::vector<std::string> strings_;
};

// The contents of one key, by language code.
class DictionaryEntry {
  public:
    using ContentMap = std::map<std::string, EntryContent, std::less<>>;

    DictionaryEntry() = default;
    DictionaryEntry(const DictionaryEntry&) = default;
    DictionaryEntry(DictionaryEntry&&) noexcept = default;
    DictionaryEntry& operator=(const DictionaryEntry&) = default;
    DictionaryEntry& operator=(DictionaryEntry&&) noexcept = default;
    virtual ~DictionaryEntry() = default;

    // The content filed under exactly this language, or null.
    const EntryContent* FindContent(std::string_view language) const;
    // The lookup rule: no language (null) reads the default language; a
    // language the entry lacks falls back to the default language's content.
    const EntryContent* Lookup(const char* language) const;
    // Finds or creates the content of a language (loading only).
    EntryContent& ContentFor(const std::string& language);
    const ContentMap& Contents() const { return contents_; }

  private:
    ContentMap contents_;
};

// The entries of one named dictionary, by key.
class Dictionary {
  public:
    using EntryMap = std::map<std::string, DictionaryEntry, std::less<>>;

    Dictionary() = default;
    Dictionary(const Dictionary&) = default;
    Dictionary(Dictionary&&) noexcept = default;
    Dictionary& operator=(const Dictionary&) = default;
    Dictionary& operator=(Dictionary&&) noexcept = default;
    virtual ~Dictionary() = default;

    // The entry of that key, or null (also for a null key).
    const DictionaryEntry* FindEntry(const char* key) const;
    // Finds or creates the entry of a key (loading only).
    DictionaryEntry& EntryFor(const std::string& key);
    const EntryMap& Entries() const { return entries_; }

  private:
    EntryMap entries_;
};

}  // namespace resource_string
