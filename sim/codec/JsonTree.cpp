// JSON values from parser events, with member names checked by hash.
#include "sim/codec/JsonTree.h"

#include <cstddef>
#include <functional>
#include <unordered_set>
#include <utility>

namespace tavrel::sim {
namespace {

// The member names of one object read so far: compared one by one while
// the object is small, looked up by hash (of their positions, so no name is
// copied) once it has grown.
class MemberNames {
  public:
    explicit MemberNames(const Json::object_t* members)
        : positions_(0, Hash{members}, Same{members}) {}

    // Whether the last member's name differs from every earlier one.
    bool Insert(const Json::object_t& members) {
        const std::size_t last = members.size() - 1;
        if (last < kCompared) {
            for (std::size_t i = 0; i < last; ++i) {
                if (Name(&members, i) == Name(&members, last)) {
                    return false;
                }
            }
            return true;
        }
        if (positions_.empty()) {
            for (std::size_t i = 0; i < last; ++i) {
                positions_.insert(i);
            }
        }
        return positions_.insert(last).second;
    }

  private:
    static constexpr std::size_t kCompared = 16;

    static const std::string& Name(const Json::object_t* members, std::size_t i) {
        return (members->begin() + std::ptrdiff_t(i))->first;
    }
    struct Hash {
        const Json::object_t* members;
        std::size_t operator()(std::size_t i) const {
            return std::hash<std::string>()(Name(members, i));
        }
    };
    struct Same {
        const Json::object_t* members;
        bool operator()(std::size_t a, std::size_t b) const {
            return Name(members, a) == Name(members, b);
        }
    };
    std::unordered_set<std::size_t, Hash, Same> positions_;
};

}  // namespace

struct TreeBuilder::Frame {
    Json* value;  // the object or array being read
    MemberNames names;
};

TreeBuilder::TreeBuilder(Json& root) : root_(root) {}

TreeBuilder::~TreeBuilder() = default;

// Where the next value goes: the root, the end of the array being read, or
// the member whose name came last.
Json* TreeBuilder::Place() {
    if (frames_.empty()) {
        placed_ = true;
        return &root_;
    }
    Json& parent = *frames_.back().value;
    if (parent.is_array()) {
        Json::array_t& elements = parent.get_ref<Json::array_t&>();
        elements.emplace_back();
        return &elements.back();
    }
    return &parent.get_ref<Json::object_t&>().back().second;
}

void TreeBuilder::Value(Json value) {
    *Place() = std::move(value);
}

void TreeBuilder::Open(Json container) {
    Json* place = Place();
    *place = std::move(container);
    // The members live on the heap, where they stay while the value moves.
    const Json::object_t* members =
        place->is_object() ? &place->get_ref<const Json::object_t&>() : nullptr;
    frames_.push_back(Frame{place, MemberNames(members)});
}

bool TreeBuilder::Key(std::string name) {
    Frame& frame = frames_.back();
    Json::object_t& members = frame.value->get_ref<Json::object_t&>();
    members.emplace_back(std::move(name), Json());
    return frame.names.Insert(members);
}

void TreeBuilder::Close() {
    frames_.pop_back();
}

// Each open container holds the member being read as its last.
std::string TreeBuilder::Pointer() const {
    std::string pointer;
    for (const Frame& frame : frames_) {
        if (frame.value->is_object()) {
            pointer = Child(pointer, frame.value->get_ref<const Json::object_t&>().back().first);
        } else {
            pointer = Child(pointer, frame.value->size() - 1);
        }
    }
    return pointer;
}

}  // namespace tavrel::sim
