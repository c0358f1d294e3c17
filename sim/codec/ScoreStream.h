// Reading a score file as a stream: one pass of the JSON parser's events
// that hands each entry of a section over as soon as it is complete, so a
// large score never exists as a whole JSON tree beside its records.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "sim/codec/ScoreJson.h"

namespace tavrel::sim {

// How the stream takes a top-level member apart.
enum class MemberShape {
    Whole,     // one value ("format", "pages")
    Entries,   // an object whose members are handed over one by one
    Kinds,     // an object of such objects ("texts")
    Elements,  // an array whose elements are handed over one by one
};

// Where a value handed over sits in the file.
struct StreamPlace {
    const std::string& member;  // the top-level member
    const std::string& kind;    // the inner object's name (Kinds), or empty
    const std::string& key;     // the entry's name (Entries, Kinds), or empty
    std::size_t index;          // the element's position (Elements)
};

class ScoreStreamSink {
  public:
    virtual ~ScoreStreamSink() = default;
    // A top-level member begins: how to take it apart, or nothing to stop.
    virtual std::optional<MemberShape> Member(const std::string& name) = 0;
    // An inner object of a Kinds member begins; false stops.
    virtual bool Kind(const std::string& name) = 0;
    // A whole value: a Whole member, an entry or an element. May throw.
    virtual void Take(const StreamPlace& place, const Json& value) = 0;
};

// Streams `text` into the sink. False when the stream stopped: at a
// syntax error, a member name given twice within an entry, a member of
// another shape than the sink expects, or when the sink stopped it. The
// text then needs reading as a whole to say what is wrong.
bool StreamScore(const std::string& text, ScoreStreamSink& sink);

}  // namespace tavrel::sim
