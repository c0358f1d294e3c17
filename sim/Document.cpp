// The record store of one simulated document.
#include "sim/Document.h"

#include <utility>

#include "sim/RecordKinds.h"

namespace tavrel::sim {
namespace {

template <typename Store>
std::vector<std::uint32_t> Orders(const Store& store, RecordTag tag) {
    std::vector<std::uint32_t> orders;
    auto kind = store.find(tag);
    if (kind != store.end()) {
        for (const auto& entry : kind->second) {
            orders.push_back(entry.first);
        }
    }
    return orders;
}

template <typename Store>
std::optional<RecordKey> After(const Store& store, RecordTag tag, std::uint32_t order) {
    auto kind = store.find(tag);
    if (kind == store.end()) {
        return std::nullopt;
    }
    auto next = kind->second.upper_bound(order);
    if (next == kind->second.end()) {
        return std::nullopt;
    }
    return KeyFromOrder(next->first);
}

template <typename Store>
std::optional<RecordKey> Before(const Store& store, RecordTag tag, std::uint32_t order) {
    auto kind = store.find(tag);
    if (kind == store.end()) {
        return std::nullopt;
    }
    auto at = kind->second.lower_bound(order);
    if (at == kind->second.begin()) {
        return std::nullopt;
    }
    return KeyFromOrder(std::prev(at)->first);
}

template <typename Store>
auto Find(const Store& store, RecordTag tag, RecordKey key) -> const
    typename Store::mapped_type::mapped_type* {
    auto kind = store.find(tag);
    if (kind == store.end()) {
        return nullptr;
    }
    auto entry = kind->second.find(KeyOrder(key));
    return entry == kind->second.end() ? nullptr : &entry->second;
}

template <typename Store>
bool EraseFrom(Store& store, RecordTag tag, RecordKey key) {
    auto kind = store.find(tag);
    if (kind == store.end() || kind->second.erase(KeyOrder(key)) == 0) {
        return false;
    }
    if (kind->second.empty()) {
        store.erase(kind);
    }
    return true;
}

}  // namespace

const Bytes* Document::FindRecord(RecordTag tag, RecordKey key) const {
    return Find(records_, tag, key);
}

void Document::PutRecord(RecordTag tag, RecordKey key, Bytes bytes) {
    records_[tag][KeyOrder(key)] = std::move(bytes);
    ++revision_;
}

const std::u16string* Document::FindText(RecordTag tag, RecordKey key) const {
    return Find(texts_, tag, key);
}

void Document::PutText(RecordTag tag, RecordKey key, std::u16string text) {
    texts_[tag][KeyOrder(key)] = std::move(text);
    ++revision_;
}

bool Document::Contains(RecordTag tag, RecordKey key) const {
    return RecordSize(tag, key).has_value();
}

bool Document::Erase(RecordTag tag, RecordKey key) {
    bool erased = IsTextKind(tag) ? EraseFrom(texts_, tag, key) : EraseFrom(records_, tag, key);
    if (erased) {
        ++revision_;
    }
    return erased;
}

std::optional<std::uint32_t> Document::RecordSize(RecordTag tag, RecordKey key) const {
    if (IsTextKind(tag)) {
        const std::u16string* text = FindText(tag, key);
        return text ? std::optional<std::uint32_t>(std::uint32_t(text->size() + 1)) : std::nullopt;
    }
    const Bytes* bytes = FindRecord(tag, key);
    return bytes ? std::optional<std::uint32_t>(std::uint32_t(bytes->size())) : std::nullopt;
}

std::optional<RecordKey> Document::NextKey(RecordTag tag, RecordKey after) const {
    return IsTextKind(tag) ? After(texts_, tag, KeyOrder(after))
                           : After(records_, tag, KeyOrder(after));
}

std::optional<RecordKey> Document::PreviousKey(RecordTag tag, RecordKey before) const {
    return IsTextKind(tag) ? Before(texts_, tag, KeyOrder(before))
                           : Before(records_, tag, KeyOrder(before));
}

std::optional<RecordKey> Document::LastKey(RecordTag tag) const {
    std::vector<RecordKey> keys = Keys(tag);
    return keys.empty() ? std::nullopt : std::optional<RecordKey>(keys.back());
}

std::vector<RecordKey> Document::Keys(RecordTag tag) const {
    std::vector<std::uint32_t> orders =
        IsTextKind(tag) ? Orders(texts_, tag) : Orders(records_, tag);
    std::vector<RecordKey> keys;
    keys.reserve(orders.size());
    for (std::uint32_t order : orders) {
        keys.push_back(KeyFromOrder(order));
    }
    return keys;
}

std::vector<RecordTag> Document::Tags() const {
    std::map<RecordTag, bool> tags;
    for (const auto& kind : records_) {
        tags[kind.first] = true;
    }
    for (const auto& kind : texts_) {
        tags[kind.first] = true;
    }
    std::vector<RecordTag> out;
    for (const auto& entry : tags) {
        out.push_back(entry.first);
    }
    return out;
}

}  // namespace tavrel::sim
