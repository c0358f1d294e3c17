// The simulated host program: its open documents, which document and window
// are current, the open edits, the journal and the fault switches, and the
// behaviour of every HX_ callback. HostExports.cpp exports these callbacks
// by name for the plug-in; tests may also call them directly.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/HostApi.h"
#include "sim/codec/Document.h"
#include "sim/host/Faults.h"
#include "sim/host/Journal.h"

namespace tavrel::sim {

class Simulator {
  public:
    Simulator() = default;
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;
    ~Simulator() = default;

    // The one host of the process, the one the exported callbacks use.
    static Simulator& Instance();

    // Closes every document and clears the journal, the open edits and
    // every fault; the next document opened gets id 1.
    void Reset();

    // Opens a document; ids are 1, 2, ... in open order. The first document
    // opened becomes current. Returns 0 when no id is left.
    std::int16_t Open(Document document);
    // Loads a score file and opens it; 0 and `error` when it does not load.
    std::int16_t OpenScore(const std::string& path, std::string& error);
    // Writes a document back as a score file (atomically).
    bool SaveScore(std::int16_t id, const std::string& path, std::string& error) const;

    Document* FindDocument(std::int16_t id);
    const Document* FindDocument(std::int16_t id) const;
    std::vector<std::int16_t> DocumentIds() const;
    std::int16_t CurrentDocumentId() const { return current_; }
    // The window value that belongs to a document id.
    static std::uint32_t WindowOf(std::int16_t id) {
        return 0x1000u + static_cast<std::uint32_t>(id);
    }
    int OpenEdits() const { return static_cast<int>(editStack_.size()); }

    Journal& GetJournal() { return journal_; }
    const Journal& GetJournal() const { return journal_; }
    Faults& GetFaults() { return faults_; }

    // The callbacks, argument for argument as exported (version word last).
    std::int16_t LoadEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t* size,
                           std::uint32_t version);
    std::int16_t SaveEData(RecordTag tag, const RecordKey* key, const void* buffer,
                           std::uint32_t size, std::uint32_t version);
    std::int16_t NextEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                           std::uint32_t version);
    std::int16_t PreviousEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                               std::uint32_t version);
    std::int16_t CreateEData(RecordTag tag, RecordKey* key, void* buffer, std::uint32_t size,
                             std::uint32_t version);
    std::int16_t DeleteEData(RecordTag tag, const RecordKey* key, std::uint32_t version);
    std::uint16_t FontNameToNum(const char** name, std::uint32_t version);

    std::int16_t GetCurrentKorvidDocument(std::uint32_t version);
    std::int16_t GetNextKorvidDocument(std::int16_t previous, std::uint32_t version);
    void SetCurrentKorvidDocument(std::int16_t document, std::uint32_t version);
    void GetDocumentPath(std::int16_t document, char16_t* path, std::uint32_t version);
    std::int16_t GetWindowCount(std::uint32_t version);
    std::int16_t GetWindowInfoList(void* records, std::int16_t count, std::uint32_t version);
    std::uint32_t GetCurrentWindow(std::uint32_t version);
    std::uint32_t SetCurrentWindow(std::uint32_t window, std::uint32_t version);

    std::int16_t StartNotavoEdit_UTF16(const char16_t* name, std::uint32_t version);
    std::int16_t EndNotavoEdit(std::uint32_t version);
    void UpdateLayout(std::int32_t all, std::int32_t flags, std::uint32_t version);
    void RedrawMusic(std::int32_t flags, std::uint32_t version);
    std::int16_t AlertMessage(std::int32_t a, std::int32_t b, std::int32_t c, const char* text,
                              std::uint32_t version);
    std::int16_t AlertMessage_UTF16(void* hostWindow, std::int32_t flags, std::int32_t c,
                                    const char16_t* text, std::uint32_t version);
    std::int16_t OpenHelpItem(const char* topic, std::uint32_t version);

  private:
    Document* Current();
    RecordCall BeginCall(const char* callback, RecordTag tag, const RecordKey* key,
                         std::uint32_t size, std::uint32_t version) const;
    std::int16_t Finish(RecordCall& call, std::int16_t result, const char* refusal);
    std::int16_t Step(const char* callback, bool forward, RecordTag tag, RecordKey* key,
                      void* buffer, std::uint32_t size, std::uint32_t version);
    void Note(EventKind kind, const char* callback, std::vector<std::int64_t> arguments,
              std::string text = std::string());

    std::map<std::int16_t, Document> documents_;  // node-based: pointers stay valid
    std::int16_t nextId_ = 1;
    std::int16_t current_ = 0;
    std::uint32_t currentWindow_ = 0;
    std::vector<std::u16string> editStack_;
    Journal journal_;
    Faults faults_;
};

}  // namespace tavrel::sim
