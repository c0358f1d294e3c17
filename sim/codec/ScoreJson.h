// JSON plumbing for score files: parsing with line and column of a syntax
// error, the checks every section uses (types, ranges, known fields) with
// JSON-pointer places, hex bytes, and the canonical layout of saved files.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "sim/codec/Document.h"

namespace tavrel::sim {

// Objects keep their members in file order, so saving writes them in the
// order they were put in and messages follow the file.
using Json = nlohmann::ordered_json;

// A refused score: `place` is "LINE:COLUMN" for syntax errors (joined to the
// file name with ':'), a JSON pointer (joined with ": "), or empty for what
// concerns the whole file (the message then says where).
struct ScoreError : std::runtime_error {
    ScoreError(std::string where, std::string why, bool syntax = false)
        : std::runtime_error(why), place(std::move(where)), isSyntax(syntax) {}
    std::string place;
    bool isSyntax;
};

// Throws a syntax ScoreError naming the line and column. A file in UTF-16
// or UTF-32, or one holding a NUL byte, is refused as such first: a NUL
// would otherwise end the parser's input early.
Json ParseJson(const std::string& text);

// The text with control characters as \uXXXX (C0, DEL and C1) and bytes that
// are not UTF-8 as \xNN, so quoting a file in a message cannot move the
// cursor or colour the terminal.
std::string Printable(const std::string& text);

// A member's pointer: Child("/staves", "1") is "/staves/1" (with ~ and /
// escaped as JSON pointers want).
std::string Child(const std::string& pointer, const std::string& name);
std::string Child(const std::string& pointer, std::size_t index);

// Checks that throw ScoreError at `pointer`.
const Json& ExpectObject(const Json& value, const std::string& pointer);
const Json& ExpectArray(const Json& value, const std::string& pointer, std::size_t size);
const std::string& ExpectString(const Json& value, const std::string& pointer);
std::uint32_t ExpectInteger(const Json& value, const std::string& pointer, std::uint32_t max);
// "(expected one of: a, b, c)" for a message.
std::string OneOf(const char* const* names, std::size_t count);
void ExpectOnlyFields(const Json& object, const std::string& pointer,
                      std::initializer_list<const char*> fields);
// An optional integer member: 0 when absent.
std::uint32_t IntegerField(const Json& object, const std::string& pointer, const char* name,
                           std::uint32_t max);
RecordKey ExpectKey(const std::string& text, const std::string& pointer);

// Lower-case hex of every byte, and its strict inverse.
std::string HexText(const Bytes& bytes);
Bytes ExpectHex(const Json& value, const std::string& pointer);

// The canonical text of a score, written as it is made: two-space
// indentation, the sections and the maps of records one member per line,
// each record entry on one line, and a final newline. A section without
// entries is left out.
class CanonicalText {
  public:
    CanonicalText();
    // A member of the innermost level with its value on the same line.
    void Member(const std::string& name, const Json& value);
    // Starts an object (or array) of one entry per line inside the
    // innermost level; it is written only if an entry follows.
    void Begin(const std::string& name, bool array = false);
    // An entry of the innermost level on one line (`key` unused in arrays).
    void Entry(const std::string& key, const Json& value);
    // An entry whose value is a string (a map of texts).
    void Entry(const std::string& key, const std::string& text);
    void End();
    // Closes every level; the text, with its final newline, in pieces of
    // about a megabyte: a large score's text is never copied whole.
    std::vector<std::string> Finish();

  private:
    struct Level {
        std::string name;
        bool array;
        bool open;  // written
        std::size_t members;
    };
    void Indent(std::size_t depth);
    void Separate();
    void OpenPending();
    void Spill();

    std::vector<std::string> pieces_;
    std::string text_;  // the piece being written
    std::vector<Level> levels_;
};

}  // namespace tavrel::sim
