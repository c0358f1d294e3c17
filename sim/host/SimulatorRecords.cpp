// The simulated host's record callbacks: load, save, next and previous,
// create and delete on the current document, each checked against the
// caller's size and version and written to the journal.
#include "sim/host/Simulator.h"

#include <cstdint>
#include <cstring>

#include "sim/codec/RecordKinds.h"

namespace tavrel::sim {
namespace {
void CopyOut(const Document& document, RecordTag tag, RecordKey key, void* buffer) {
    if (IsTextKind(tag)) {
        const std::u16string& text = *document.FindText(tag, key);
        std::memcpy(buffer, text.data(), text.size() * sizeof(char16_t));
        const char16_t zero = 0;
        std::memcpy(static_cast<char*>(buffer) + text.size() * sizeof(char16_t), &zero,
                    sizeof zero);
        return;
    }
    const Bytes& bytes = *document.FindRecord(tag, key);
    if (!bytes.empty()) {
        std::memcpy(buffer, bytes.data(), bytes.size());
    }
}

// Text records keep the units up to the first zero within the size given.
std::u16string TextFromBuffer(const void* buffer, std::uint32_t units) {
    return TextFromRecordBytes(static_cast<const std::uint8_t*>(buffer),
                               static_cast<std::size_t>(units) * sizeof(char16_t));
}

void StoreIn(Document& document, RecordTag tag, RecordKey key, const void* buffer,
             std::uint32_t size) {
    if (IsTextKind(tag)) {
        document.PutText(tag, key, TextFromBuffer(buffer, size));
        return;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    document.PutRecord(tag, key, Bytes(bytes, bytes + size));
}

}  // namespace

RecordCall Simulator::BeginCall(const char* callback, RecordTag tag, const RecordKey* key,
                                std::uint32_t size, std::uint32_t version) const {
    RecordCall call;
    call.callback = callback;
    call.tag = tag;
    if (key != nullptr) {
        call.key = *key;
    }
    call.size = size;
    call.version = version;
    call.document = current_;
    call.insideEdit = !editStack_.empty();
    return call;
}

std::int16_t Simulator::Finish(RecordCall& call, std::int16_t result, const char* refusal) {
    call.result = result;
    if (result == 0) {
        call.refusal = refusal;
    }
    journal_.AddCall(std::move(call));
    return result;
}

std::int16_t Simulator::LoadEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                                  std::uint32_t version) {
    RecordCall call = BeginCall("HX_LoadEData", tag, key, size ? *size : 0, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr || size == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (faults_.LoadFails(tag)) {
        return Finish(call, 0, "fault");
    }
    if (buffer != nullptr && !VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    std::optional<std::uint32_t> real = document->RecordSize(tag, *key);
    if (!real) {
        *size = 0;
        return Finish(call, 0, "missing");
    }
    if (buffer != nullptr && *size < *real) {
        // Never past the caller's buffer; the real size lets it try again.
        *size = *real;
        return Finish(call, 0, "size");
    }
    if (buffer != nullptr) {
        CopyOut(*document, tag, *key, buffer);
    }
    *size = *real;
    return Finish(call, 1, "");
}

std::int16_t Simulator::SaveEData(RecordTag tag, const RecordKey* key, const void* buffer,
                                  std::uint32_t size, std::uint32_t version) {
    RecordCall call = BeginCall("HX_SaveEData", tag, key, size, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr || buffer == nullptr || size == 0) {
        return Finish(call, 0, "argument");
    }
    if (faults_.SaveRefused(tag)) {
        return Finish(call, 0, "fault");
    }
    if (!VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    std::optional<std::uint32_t> fixed = FixedRecordSize(tag);
    if (fixed && size != *fixed) {
        return Finish(call, 0, "size");
    }
    StoreIn(*document, tag, *key, buffer, size);
    return Finish(call, 1, "");
}

std::int16_t Simulator::Step(const char* callback, bool forward, RecordTag tag, RecordKey* key,
                             void* buffer, std::uint32_t size, std::uint32_t version) {
    RecordCall call = BeginCall(callback, tag, key, size, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (buffer != nullptr && !VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    // A walk starts from {0, 0} in either direction.
    std::optional<RecordKey> to;
    if (forward) {
        to = document->NextKey(tag, *key);
    } else {
        to = KeyOrder(*key) == 0 ? document->LastKey(tag) : document->PreviousKey(tag, *key);
    }
    if (!to) {
        return Finish(call, 0, "end");
    }
    if (buffer != nullptr) {
        if (size < *document->RecordSize(tag, *to)) {
            return Finish(call, 0, "size");
        }
        CopyOut(*document, tag, *to, buffer);
    }
    *key = *to;
    return Finish(call, 1, "");
}

std::int16_t Simulator::NextEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                                  std::uint32_t version) {
    return Step("HX_NextEData", true, tag, key, buffer, size, version);
}

std::int16_t Simulator::PreviousEData(RecordTag tag, RecordKey* key, void* buffer,
                                      std::uint32_t size, std::uint32_t version) {
    return Step("HX_PreviousEData", false, tag, key, buffer, size, version);
}

std::int16_t Simulator::CreateEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                                    std::uint32_t version) {
    RecordCall call = BeginCall("HX_CreateEData", tag, key, size, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (faults_.SaveRefused(tag)) {
        return Finish(call, 0, "fault");
    }
    if (buffer != nullptr && !VersionAccepted(tag, version)) {
        return Finish(call, 0, "version");
    }
    std::optional<std::uint32_t> fixed = FixedRecordSize(tag);
    if (buffer != nullptr && fixed && size != *fixed) {
        return Finish(call, 0, "size");
    }
    // The new record takes the first half after the highest in use.
    std::optional<RecordKey> last = document->LastKey(tag);
    std::uint32_t first = last ? static_cast<std::uint32_t>(last->first) + 1 : 1;
    if (first > 0xFFFF) {
        return Finish(call, 0, "full");
    }
    RecordKey created = MakeKey(static_cast<std::uint16_t>(first), key->second);
    if (buffer != nullptr) {
        StoreIn(*document, tag, created, buffer, size);
    } else if (IsTextKind(tag)) {
        document->PutText(tag, created, std::u16string());
    } else {
        document->PutRecord(tag, created, Bytes(fixed ? *fixed : size, 0));
    }
    *key = created;
    return Finish(call, 1, "");
}

std::int16_t Simulator::DeleteEData(RecordTag tag, const RecordKey* key, std::uint32_t version) {
    RecordCall call = BeginCall("HX_DeleteEData", tag, key, 0, version);
    Document* document = Current();
    if (document == nullptr || key == nullptr) {
        return Finish(call, 0, "argument");
    }
    if (faults_.SaveRefused(tag)) {
        return Finish(call, 0, "fault");
    }
    return document->Erase(tag, *key) ? Finish(call, 1, "") : Finish(call, 0, "missing");
}

}  // namespace tavrel::sim
