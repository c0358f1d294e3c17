// The record store of one simulated document.
#include "sim/codec/Document.h"

#include <utility>

#include "sim/codec/RecordKinds.h"

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

template <typename Map>
const Map* KindOf(const std::map<RecordTag, Map>& store, RecordTag tag) {
    auto kind = store.find(tag);
    return kind == store.end() ? nullptr : &kind->second;
}

// The key after `order`: the one after the cursor's without a search.
template <typename Map>
std::optional<RecordKey> After(const std::map<RecordTag, Map>& store, MapCursor<Map>& cursor,
                               RecordTag tag, std::uint32_t order) {
    const Map* map = cursor.At(tag, order) ? cursor.map : KindOf(store, tag);
    if (map == nullptr) {
        return std::nullopt;
    }
    auto next = cursor.At(tag, order) ? std::next(cursor.at) : map->upper_bound(order);
    if (next == map->end()) {
        return std::nullopt;
    }
    cursor.Set(tag, map, next);
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
std::optional<RecordKey> Last(const Store& store, RecordTag tag) {
    auto kind = store.find(tag);
    if (kind == store.end() || kind->second.empty()) {
        return std::nullopt;
    }
    return KeyFromOrder(kind->second.rbegin()->first);
}

// The contents of a record, or null. The cursor's record and the one after
// it are found without a search; the cursor moves to what is found.
template <typename Map>
auto Find(const std::map<RecordTag, Map>& store, MapCursor<Map>& cursor, RecordTag tag,
          std::uint32_t order) -> const typename Map::mapped_type* {
    if (cursor.At(tag, order)) {
        return &cursor.at->second;
    }
    if (cursor.valid && cursor.tag == tag && cursor.at->first < order) {
        auto next = std::next(cursor.at);
        if (next != cursor.map->end() && next->first == order) {
            cursor.at = next;
            return &next->second;
        }
    }
    const Map* map = KindOf(store, tag);
    if (map == nullptr) {
        return nullptr;
    }
    auto entry = map->find(order);
    if (entry == map->end()) {
        return nullptr;
    }
    cursor.Set(tag, map, entry);
    return &entry->second;
}

// Replaces or adds a record; the cursor's record without a search.
template <typename Map, typename Value>
void Store(std::map<RecordTag, Map>& store, MapCursor<Map>& cursor, RecordTag tag,
           std::uint32_t order, Value value) {
    Map& map = store[tag];
    if (cursor.At(tag, order)) {
        map.erase(cursor.at, cursor.at)->second = std::move(value);  // erases nothing
        return;
    }
    cursor.Set(tag, &map, map.insert_or_assign(order, std::move(value)).first);
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

template <typename Map, typename Value>
bool Document::Add(Map& map, std::uint32_t order, Value value) {
    // A key past the last goes at the end without a search.
    auto at = map.empty() || map.rbegin()->first < order ? map.end() : map.lower_bound(order);
    if (at != map.end() && at->first == order) {
        return false;
    }
    map.emplace_hint(at, order, std::move(value));
    ++revision_;
    return true;
}

const Bytes* Document::FindRecord(RecordTag tag, RecordKey key) const {
    return Find(records_, recordAt_, tag, KeyOrder(key));
}

void Document::PutRecord(RecordTag tag, RecordKey key, Bytes bytes) {
    Remember(tag, key, false);
    Store(records_, recordAt_, tag, KeyOrder(key), std::move(bytes));
    ++revision_;
}

const std::u16string* Document::FindText(RecordTag tag, RecordKey key) const {
    return Find(texts_, textAt_, tag, KeyOrder(key));
}

void Document::PutText(RecordTag tag, RecordKey key, std::u16string text) {
    Remember(tag, key, true);
    Store(texts_, textAt_, tag, KeyOrder(key), std::move(text));
    ++revision_;
}

bool Document::AddRecord(RecordTag tag, RecordKey key, Bytes bytes) {
    Remember(tag, key, false);
    return Add(records_[tag], KeyOrder(key), std::move(bytes));
}

bool Document::AddText(RecordTag tag, RecordKey key, std::u16string text) {
    Remember(tag, key, true);
    return Add(texts_[tag], KeyOrder(key), std::move(text));
}

const Document::RecordMap& Document::RecordsOf(RecordTag tag) const {
    static const RecordMap none;
    auto kind = records_.find(tag);
    return kind == records_.end() ? none : kind->second;
}

const Document::TextMap& Document::TextsOf(RecordTag tag) const {
    static const TextMap none;
    auto kind = texts_.find(tag);
    return kind == texts_.end() ? none : kind->second;
}

bool Document::Contains(RecordTag tag, RecordKey key) const {
    return RecordSize(tag, key).has_value();
}

bool Document::Erase(RecordTag tag, RecordKey key) {
    Remember(tag, key, IsTextKind(tag));
    recordAt_ = {};
    textAt_ = {};
    bool erased = IsTextKind(tag) ? EraseFrom(texts_, tag, key) : EraseFrom(records_, tag, key);
    if (erased) {
        ++revision_;
    }
    return erased;
}

std::optional<std::uint32_t> Document::RecordSize(RecordTag tag, RecordKey key) const {
    if (IsTextKind(tag)) {
        const std::u16string* text = FindText(tag, key);
        return text ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(text->size() + 1))
                    : std::nullopt;
    }
    const Bytes* bytes = FindRecord(tag, key);
    return bytes ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(bytes->size()))
                 : std::nullopt;
}

std::optional<RecordKey> Document::NextKey(RecordTag tag, RecordKey after) const {
    return IsTextKind(tag) ? After(texts_, textAt_, tag, KeyOrder(after))
                           : After(records_, recordAt_, tag, KeyOrder(after));
}

std::optional<RecordKey> Document::PreviousKey(RecordTag tag, RecordKey before) const {
    return IsTextKind(tag) ? Before(texts_, tag, KeyOrder(before))
                           : Before(records_, tag, KeyOrder(before));
}

std::optional<RecordKey> Document::LastKey(RecordTag tag) const {
    return IsTextKind(tag) ? Last(texts_, tag) : Last(records_, tag);
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

void Document::TrackChanges() {
    tracking_ = true;
    earlier_.clear();
    earlierAt_ = {};
}

void Document::StopTracking() {
    tracking_ = false;
    earlier_.clear();
    earlierAt_ = {};
}

void Document::Remember(RecordTag tag, RecordKey key, bool isText) {
    if (!tracking_) {
        return;
    }
    // A walk changes records in ascending key order: each goes in just
    // after the one before, at constant cost.
    const std::size_t size = earlier_.size();
    auto entry = earlier_.try_emplace(earlierAt_.valid ? std::next(earlierAt_.at) : earlier_.end(),
                                      RecordId{tag, KeyOrder(key)});
    earlierAt_.Set(0, &earlier_, entry);
    if (earlier_.size() == size) {
        return;  // changed before
    }
    Earlier& earlier = entry->second;
    earlier.isText = isText;
    if (const std::u16string* text = isText ? FindText(tag, key) : nullptr) {
        earlier.existed = true;
        earlier.text = *text;
    } else if (const Bytes* bytes = isText ? nullptr : FindRecord(tag, key)) {
        earlier.existed = true;
        earlier.bytes = *bytes;
    }
}

}  // namespace tavrel::sim
