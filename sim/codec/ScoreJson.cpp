// JSON parsing, checking and canonical writing for score files.
#include "sim/codec/ScoreJson.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <utility>
#include <vector>

#include "sim/codec/JsonTree.h"
#include "sim/codec/RecordKinds.h"
#include "sim/codec/TextDisplay.h"

namespace tavrel::sim {
namespace {

// The parser's error number for a number beyond what a double holds.
constexpr int kNumberOverflow = 406;

// The largest number any field of a score file takes.
constexpr std::uint64_t kLargestNumber = 0xFFFFFFFFu;

// Builds the document as nlohmann's own parser would but keeps the place of
// a failure instead of throwing, so the message can name line and column,
// and refuses a member name given twice.
class LocatingSax : public nlohmann::json_sax<Json> {
  public:
    explicit LocatingSax(Json& root) : tree_(root) {}

    bool null() override { return Value(Json()); }
    bool boolean(bool v) override { return Value(Json(v)); }
    bool number_integer(number_integer_t v) override { return Value(Json(v)); }
    bool number_unsigned(number_unsigned_t v) override { return Value(Json(v)); }
    bool number_float(number_float_t v, const string_t&) override { return Value(Json(v)); }
    bool string(string_t& v) override { return Value(Json(std::move(v))); }
    bool binary(binary_t& v) override { return Value(Json::binary(std::move(v))); }
    bool start_object(std::size_t) override {
        tree_.Open(Json::object());
        return true;
    }
    bool key(string_t& v) override {
        if (!tree_.Key(std::move(v))) {
            duplicate_ = tree_.Pointer();
            return false;
        }
        return true;
    }
    bool end_object() override {
        tree_.Close();
        return true;
    }
    bool start_array(std::size_t) override {
        tree_.Open(Json::array());
        return true;
    }
    bool end_array() override {
        tree_.Close();
        return true;
    }
    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& ex) override {
        failed_ = true;
        position_ = position;
        message_ = ex.what();
        token_ = token;
        overflow_ = ex.id == kNumberOverflow;
        return false;
    }

    bool failed() const { return failed_; }
    std::size_t position() const { return position_; }
    const std::string& message() const { return message_; }
    // The text last read; for a number too large, the number.
    const std::string& token() const { return token_; }
    bool overflow() const { return overflow_; }
    // The pointer of a member given twice, or empty.
    const std::string& duplicate() const { return duplicate_; }

  private:
    bool Value(Json value) {
        tree_.Value(std::move(value));
        return true;
    }

    TreeBuilder tree_;
    bool failed_ = false;
    std::size_t position_ = 0;
    std::string message_;
    std::string token_;
    bool overflow_ = false;
    std::string duplicate_;
};

// "[json.exception.parse_error.101] parse error at line 2, column 3: what"
// becomes "what": the place is given in our own form.
std::string BareMessage(const std::string& what) {
    std::string text = what;
    std::size_t bracket = text.find("] ");
    if (text.rfind("[json.exception.", 0) == 0 && bracket != std::string::npos) {
        text = text.substr(bracket + 2);
    }
    if (text.rfind("parse error", 0) == 0) {
        std::size_t colon = text.find(": ");
        if (colon != std::string::npos) {
            text = text.substr(colon + 2);
        }
    }
    return text;
}

// Line and column (1-based, columns in characters) of the byte at `index`.
std::string LineAndColumn(const std::string& text, std::size_t index) {
    std::size_t line = 1;
    std::size_t column = 1;
    // A UTF-8 byte-order mark is no character an editor shows.
    const std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (std::size_t i = start; i < index && i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

// The encoding a file's first bytes show when it is not UTF-8, or null.
// Without a byte-order mark, the zeros around the first character (which
// is ASCII in any JSON text) tell.
const char* WideEncoding(const std::string& text) {
    auto at = [&text](std::size_t i) {
        return i < text.size() ? static_cast<int>(static_cast<unsigned char>(text[i])) : -1;
    };
    const bool utf32 = (at(0) == 0xFF && at(1) == 0xFE && at(2) == 0 && at(3) == 0) ||
                       (at(0) == 0 && at(1) == 0 && at(2) == 0xFE && at(3) == 0xFF) ||
                       (at(0) > 0 && at(1) == 0 && at(2) == 0 && at(3) == 0) ||
                       (at(0) == 0 && at(1) == 0 && at(2) == 0 && at(3) > 0);
    const bool utf16 = (at(0) == 0xFF && at(1) == 0xFE) || (at(0) == 0xFE && at(1) == 0xFF) ||
                       (at(0) > 0 && at(1) == 0 && at(2) > 0 && at(3) == 0) ||
                       (at(0) == 0 && at(1) > 0 && at(2) == 0 && at(3) > 0);
    return utf32 ? "UTF-32" : utf16 ? "UTF-16" : nullptr;
}

void CheckEncoding(const std::string& text) {
    if (const char* encoding = WideEncoding(text)) {
        throw ScoreError("", std::string("is ") + encoding + "; save it as UTF-8");
    }
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        throw ScoreError("", "holds a NUL byte at " + LineAndColumn(text, nul));
    }
}

// The length of the UTF-8 sequence at `i`, or 0 when it is not one.
std::size_t SequenceLength(const std::string& text, std::size_t i) {
    const auto byte = [&text](std::size_t at) {
        return at < text.size() ? static_cast<unsigned char>(text[at]) : 0u;
    };
    const unsigned lead = byte(i);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    // The second byte's range rules out overlong forms, surrogates and
    // code points beyond U+10FFFF.
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned next = byte(i + k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return length;
}

std::string Range(std::uint32_t max) {
    return "(0 to " + std::to_string(max) + ")";
}

// A string as JSON writes it. Printable ASCII without quote or backslash
// (record keys, most texts) goes over as it is; anything else is left to
// the library's escaping.
void AppendQuoted(std::string& out, const std::string& text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
    if (plain) {
        out += '"';
        out += text;
        out += '"';
    } else {
        out += Json(text).dump();
    }
}

void AppendInline(std::string& out, const Json& value) {
    if (value.is_string()) {
        AppendQuoted(out, value.get_ref<const std::string&>());
    } else if (value.is_number_unsigned()) {
        out += std::to_string(value.get<std::uint64_t>());
    } else if (value.is_object()) {
        out += '{';
        for (auto it = value.begin(); it != value.end(); ++it) {
            out += it == value.begin() ? "" : ", ";
            AppendQuoted(out, it.key());
            out += ": ";
            AppendInline(out, it.value());
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += i == 0 ? "" : ", ";
            AppendInline(out, value[i]);
        }
        out += ']';
    } else {
        out += value.dump();
    }
}

}  // namespace

Json ParseJson(const std::string& text) {
    CheckEncoding(text);
    Json root;
    LocatingSax sax(root);
    Json::sax_parse(text, &sax);
    if (sax.failed() && sax.overflow()) {
        const std::size_t start = sax.position() - std::min(sax.position(), sax.token().size());
        throw ScoreError(LineAndColumn(text, start),
                         sax.token() + " is out of range (numbers in a score file run from 0 to " +
                             std::to_string(kLargestNumber) + ")",
                         true);
    }
    if (sax.failed()) {
        // The position counts the characters read, so the culprit is the last.
        std::size_t index = sax.position() > 0 ? sax.position() - 1 : 0;
        throw ScoreError(LineAndColumn(text, index), BareMessage(sax.message()), true);
    }
    if (!sax.duplicate().empty()) {
        throw ScoreError(sax.duplicate(), "given twice in the same object");
    }
    return root;
}

std::string Printable(const std::string& text) {
    std::string out;
    char escape[8];
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        // C1 controls are the two-byte sequences C2 80 to C2 9F.
        const unsigned code = length == 1 ? lead
                              : length == 2 && lead == 0xC2
                                  ? static_cast<unsigned char>(text[i + 1])
                                  : 0xA0;
        if (length == 0) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(lead));
            out += escape;
            ++i;
            continue;
        }
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) {
            AppendUnicodeEscape(out, code);
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

std::string Child(const std::string& pointer, const std::string& name) {
    std::string escaped;
    for (char c : name) {
        if (c == '~') {
            escaped += "~0";
        } else if (c == '/') {
            escaped += "~1";
        } else {
            escaped += c;
        }
    }
    return pointer + "/" + escaped;
}

std::string Child(const std::string& pointer, std::size_t index) {
    return pointer + "/" + std::to_string(index);
}

const Json& ExpectObject(const Json& value, const std::string& pointer) {
    if (!value.is_object()) {
        throw ScoreError(pointer, "expected an object");
    }
    return value;
}

const Json& ExpectArray(const Json& value, const std::string& pointer, std::size_t size) {
    if (!value.is_array() || value.size() != size) {
        throw ScoreError(pointer, "expected an array of " + std::to_string(size) + " elements");
    }
    return value;
}

const std::string& ExpectString(const Json& value, const std::string& pointer) {
    if (!value.is_string()) {
        throw ScoreError(pointer, "expected a string");
    }
    return value.get_ref<const std::string&>();
}

std::uint32_t ExpectInteger(const Json& value, const std::string& pointer, std::uint32_t max) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > max) {
            throw ScoreError(pointer, std::to_string(number) + " is out of range " + Range(max));
        }
        return static_cast<std::uint32_t>(number);
    }
    if (value.is_number_integer()) {
        if (value.get<std::int64_t>() == 0) {
            return 0;  // "-0": the parser keeps its sign, the number has none
        }
        throw ScoreError(
            pointer, std::to_string(value.get<std::int64_t>()) + " is out of range " + Range(max));
    }
    throw ScoreError(pointer, "expected an integer " + Range(max));
}

std::string OneOf(const char* const* names, std::size_t count) {
    std::string list = "(expected one of: ";
    for (std::size_t i = 0; i < count; ++i) {
        list += (i == 0 ? "" : ", ") + std::string(names[i]);
    }
    return list + ")";
}

void ExpectOnlyFields(const Json& object, const std::string& pointer,
                      std::initializer_list<const char*> fields) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = false;
        for (const char* field : fields) {
            known = known || it.key() == field;
        }
        if (!known) {
            // Naming the fields that belong here tells a misspelling at once.
            throw ScoreError(Child(pointer, it.key()),
                             "unknown field " + OneOf(fields.begin(), fields.size()));
        }
    }
}

std::uint32_t IntegerField(const Json& object, const std::string& pointer, const char* name,
                           std::uint32_t max) {
    auto it = object.find(name);
    return it == object.end() ? 0 : ExpectInteger(*it, Child(pointer, name), max);
}

RecordKey ExpectKey(const std::string& text, const std::string& pointer) {
    std::optional<RecordKey> key = ParseKey(text);
    if (!key) {
        throw ScoreError(pointer,
                         "bad record key (write \"N\" or \"N,M\" with N and M from 0 "
                         "to 65535)");
    }
    return *key;
}

std::string HexText(const Bytes& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 0xF];
    }
    return out;
}

Bytes ExpectHex(const Json& value, const std::string& pointer) {
    const std::string& text = ExpectString(value, pointer);
    if (text.size() % 2 != 0) {
        throw ScoreError(pointer, "hex bytes need an even number of digits");
    }
    Bytes bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigitValue(text[i]);
        int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) {
            throw ScoreError(pointer, "hex bytes may hold only the digits 0-9 and a-f");
        }
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

CanonicalText::CanonicalText() : text_("{") {
    levels_.push_back(Level{std::string(), false, true, 0});
}

void CanonicalText::Member(const std::string& name, const Json& value) {
    OpenPending();
    Separate();
    text_ += Json(name).dump();
    text_ += ": ";
    AppendInline(text_, value);
    Spill();
}

void CanonicalText::Begin(const std::string& name, bool array) {
    levels_.push_back(Level{name, array, false, 0});
}

void CanonicalText::Entry(const std::string& key, const Json& value) {
    OpenPending();
    Separate();
    if (!levels_.back().array) {
        AppendQuoted(text_, key);
        text_ += ": ";
    }
    AppendInline(text_, value);
    Spill();
}

void CanonicalText::Entry(const std::string& key, const std::string& text) {
    OpenPending();
    Separate();
    AppendQuoted(text_, key);
    text_ += ": ";
    AppendQuoted(text_, text);
    Spill();
}

void CanonicalText::End() {
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.open) {
        text_ += '\n';
        Indent(levels_.size());
        text_ += level.array ? ']' : '}';
    }
}

std::vector<std::string> CanonicalText::Finish() {
    while (levels_.size() > 1) {
        End();
    }
    text_ += levels_.back().members > 0 ? "\n}\n" : "}\n";
    pieces_.push_back(std::move(text_));
    return std::move(pieces_);
}

void CanonicalText::Spill() {
    constexpr std::size_t kPiece = static_cast<std::size_t>(1) << 20;
    if (text_.size() >= kPiece) {
        pieces_.push_back(std::move(text_));
        text_ = std::string();
        text_.reserve(kPiece + kPiece / 8);
    }
}

void CanonicalText::Indent(std::size_t depth) {
    text_.append(2 * depth, ' ');
}

// A new line for the next member of the innermost level, after a comma
// when it is not the first.
void CanonicalText::Separate() {
    Level& level = levels_.back();
    text_ += level.members > 0 ? ",\n" : "\n";
    ++level.members;
    Indent(levels_.size());
}

// A level is written only once it has an entry: empty sections are left out.
void CanonicalText::OpenPending() {
    for (std::size_t depth = 1; depth < levels_.size(); ++depth) {
        Level& level = levels_[depth];
        if (level.open) {
            continue;
        }
        Level& parent = levels_[depth - 1];
        text_ += parent.members > 0 ? ",\n" : "\n";
        ++parent.members;
        Indent(depth);
        text_ += Json(level.name).dump();
        text_ += level.array ? ": [" : ": {";
        level.open = true;
    }
}

}  // namespace tavrel::sim
