// The simulated host's journal of edits, alerts, help and redraws.
#include "sim/host/Journal.h"

#include "platform/CodePage.h"

namespace tavrel::sim {

void Journal::Clear() {
    events_.clear();
    calls_.clear();
    logCalls_ = true;
}

std::vector<std::string> Journal::Alerts() const {
    std::vector<std::string> texts;
    for (const JournalEvent& event : events_) {
        if (event.kind == EventKind::Alert) {
            texts.push_back(event.text);
        }
    }
    return texts;
}

std::vector<JournalEvent> Journal::EventsOf(EventKind kind) const {
    std::vector<JournalEvent> out;
    for (const JournalEvent& event : events_) {
        if (event.kind == kind) {
            out.push_back(event);
        }
    }
    return out;
}

const char* EventKindName(EventKind kind) {
    switch (kind) {
        case EventKind::EditStarted:
            return "edit started";
        case EventKind::EditEnded:
            return "edit ended";
        case EventKind::Alert:
            return "alert";
        case EventKind::HelpOpened:
            return "help opened";
        case EventKind::LayoutUpdated:
            return "layout updated";
        case EventKind::MusicRedrawn:
            return "music redrawn";
    }
    return "?";
}

std::string Journal::Describe() const {
    std::string out;
    for (const JournalEvent& event : events_) {
        out += EventKindName(event.kind);
        out += " (document " + std::to_string(event.document) + ")";
        if (event.kind == EventKind::EditStarted || event.kind == EventKind::EditEnded) {
            out += " \"" + platform::Utf16ToUtf8(event.editName) + "\"";
        }
        if (event.unbalanced) {
            out += " UNBALANCED";
        }
        if (!event.text.empty()) {
            out += ": " + event.text;
        }
        out += '\n';
    }
    return out;
}

}  // namespace tavrel::sim
