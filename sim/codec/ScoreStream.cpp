// The score stream: a SAX handler that follows the file's outline (root,
// top-level members, their entries) and builds only one entry at a time.
#include "sim/codec/ScoreStream.h"

#include <utility>

#include "sim/codec/JsonTree.h"

namespace tavrel::sim {
namespace {

class StreamSax : public nlohmann::json_sax<Json> {
  public:
    explicit StreamSax(ScoreStreamSink& sink) : sink_(sink) {}

    bool null() override { return Scalar(Json()); }
    bool boolean(bool v) override { return Scalar(Json(v)); }
    bool number_integer(number_integer_t v) override { return Scalar(Json(v)); }
    bool number_unsigned(number_unsigned_t v) override { return Scalar(Json(v)); }
    bool number_float(number_float_t v, const string_t&) override { return Scalar(Json(v)); }
    bool string(string_t& v) override { return Scalar(Json(std::move(v))); }
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override { return Start(Json::object()); }
    bool start_array(std::size_t) override { return Start(Json::array()); }
    bool end_object() override { return End(); }
    bool end_array() override { return End(); }
    bool key(string_t& v) override;
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

  private:
    // The outline's levels: outside the root, in the root, in a member's
    // object or array, in an inner object of a Kinds member.
    enum class Level { Outside, Root, Member, Kind };

    bool Building() const { return tree_.has_value(); }
    bool Scalar(Json value);
    bool Start(Json container);
    bool End();
    // An entry starts with this event where the outline expects a value.
    bool Expecting() const {
        return (level_ == Level::Root && shape_ == MemberShape::Whole) ||
               (level_ == Level::Member &&
                (shape_ == MemberShape::Entries || shape_ == MemberShape::Elements)) ||
               level_ == Level::Kind;
    }
    void BeginEntry() {
        entry_ = Json();
        tree_.emplace(entry_);
    }
    void TakeIfComplete();

    ScoreStreamSink& sink_;
    Level level_ = Level::Outside;
    MemberShape shape_ = MemberShape::Whole;
    std::string member_, kind_, key_;
    std::size_t index_ = 0;
    Json entry_;
    std::optional<TreeBuilder> tree_;
};

bool StreamSax::Scalar(Json value) {
    if (!Building()) {
        if (!Expecting()) {
            return false;  // a scalar root, or a scalar where a section belongs
        }
        BeginEntry();
    }
    tree_->Value(std::move(value));
    TakeIfComplete();
    return true;
}

bool StreamSax::Start(Json container) {
    if (Building()) {
        tree_->Open(std::move(container));
        return true;
    }
    const bool object = container.is_object();
    if (Expecting()) {
        BeginEntry();
        tree_->Open(std::move(container));
        return true;
    }
    if (level_ == Level::Outside && object) {
        level_ = Level::Root;
        return true;
    }
    if (level_ == Level::Root && (shape_ == MemberShape::Elements ? !object : object)) {
        level_ = Level::Member;
        index_ = 0;
        return true;
    }
    if (level_ == Level::Member && shape_ == MemberShape::Kinds && object) {
        level_ = Level::Kind;
        return true;
    }
    return false;
}

bool StreamSax::End() {
    if (Building()) {
        tree_->Close();
        TakeIfComplete();
        return true;
    }
    level_ = level_ == Level::Kind     ? Level::Member
             : level_ == Level::Member ? Level::Root
                                       : Level::Outside;
    return true;
}

bool StreamSax::key(string_t& v) {
    if (Building()) {
        return tree_->Key(std::move(v));  // false: given twice in the entry
    }
    if (level_ == Level::Root) {
        std::optional<MemberShape> shape = sink_.Member(v);
        member_ = std::move(v);
        shape_ = shape.value_or(MemberShape::Whole);
        return shape.has_value();
    }
    if (level_ == Level::Member && shape_ == MemberShape::Kinds) {
        kind_ = std::move(v);
        return sink_.Kind(kind_);
    }
    key_ = std::move(v);
    return true;
}

void StreamSax::TakeIfComplete() {
    if (!tree_->Complete()) {
        return;
    }
    static const std::string kNone;
    const bool kinds = shape_ == MemberShape::Kinds;
    const bool keyed = kinds || shape_ == MemberShape::Entries;
    sink_.Take(StreamPlace{member_, kinds ? kind_ : kNone, keyed ? key_ : kNone, index_}, entry_);
    index_ += shape_ == MemberShape::Elements ? 1 : 0;
    tree_.reset();
    entry_ = Json();
}

}  // namespace

bool StreamScore(const std::string& text, ScoreStreamSink& sink) {
    // A NUL byte or a wide encoding is for the whole-tree reading to name.
    if (text.find('\0') != std::string::npos) {
        return false;
    }
    StreamSax sax(sink);
    return Json::sax_parse(text, &sax);
}

}  // namespace tavrel::sim
