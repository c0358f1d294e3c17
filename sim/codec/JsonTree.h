// Building a JSON value from the parser's events (its SAX interface), for
// whole score files and for single entries of a score read as a stream.
// Members are appended to their object in file order with no lookup, so a
// file reads in time linear in its size; a member name given twice in one
// object is refused, which the library's own parser would settle silently
// by keeping the last (and so drop a record unseen).
#pragma once

#include <string>
#include <vector>

#include "sim/codec/ScoreJson.h"

namespace tavrel::sim {

class TreeBuilder {
  public:
    explicit TreeBuilder(Json& root);
    ~TreeBuilder();
    TreeBuilder(const TreeBuilder&) = delete;
    TreeBuilder& operator=(const TreeBuilder&) = delete;

    // A number, string, boolean or null, in the place the events lead to.
    void Value(Json value);
    // An object or array (empty) that the following events fill.
    void Open(Json container);
    // The next member of the open object; false when it has one of that
    // name already.
    bool Key(std::string name);
    // Ends the open object or array.
    void Close();

    // Whether a whole value has been read.
    bool Complete() const { return placed_ && frames_.empty(); }
    // The JSON pointer of the member or element being read.
    std::string Pointer() const;

  private:
    struct Frame;
    Json* Place();

    Json& root_;
    std::vector<Frame> frames_;
    bool placed_ = false;
};

}  // namespace tavrel::sim
