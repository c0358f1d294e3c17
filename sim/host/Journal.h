// What the simulated host saw the plug-in do: edits opened and closed (the
// undo journal), alerts, help topics, layout updates and redraws, and a log
// of every record call with its version word and result.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/HostApi.h"

namespace tavrel::sim {

enum class EventKind { EditStarted, EditEnded, Alert, HelpOpened, LayoutUpdated, MusicRedrawn };

struct JournalEvent {
    EventKind kind = EventKind::Alert;
    std::int16_t document = 0;            // the current document at the call (0: none)
    std::u16string editName;              // the edit started, or the one an end closed
    std::string text;                     // alert text (UTF-8) or help topic
    std::string callback;                 // the HX_ callback that was called
    bool unbalanced = false;              // an end with no edit open
    int depth = 0;                        // edits open after the call
    std::vector<std::int64_t> arguments;  // the call's other arguments, in order
};

struct RecordCall {
    std::string callback;
    RecordTag tag = 0;
    RecordKey key;           // as passed in (before any advance)
    std::uint32_t size = 0;  // as passed in (the in value for loads)
    std::uint32_t version = 0;
    std::int16_t document = 0;
    bool insideEdit = false;
    std::int16_t result = 0;
    std::string refusal;  // why a failed call failed
};

class Journal {
  public:
    void Add(JournalEvent event) { events_.push_back(std::move(event)); }
    void AddCall(RecordCall call) {
        if (logCalls_) {
            calls_.push_back(std::move(call));
        }
    }
    // Leaves record calls out of the log from now on: a run over a large
    // score makes millions of them, and a command that only reports the
    // events has no use for them. Clear logs them again.
    void StopLoggingCalls() { logCalls_ = false; }
    // Empties the journal; record calls are logged again.
    void Clear();

    const std::vector<JournalEvent>& Events() const { return events_; }
    const std::vector<RecordCall>& Calls() const { return calls_; }

    // The texts of the alerts shown, in order, through either callback.
    std::vector<std::string> Alerts() const;
    // The events of one kind, in order.
    std::vector<JournalEvent> EventsOf(EventKind kind) const;
    // One line per event, for test failures and the command line.
    std::string Describe() const;

  private:
    std::vector<JournalEvent> events_;
    std::vector<RecordCall> calls_;
    bool logCalls_ = true;
};

const char* EventKindName(EventKind kind);

}  // namespace tavrel::sim
