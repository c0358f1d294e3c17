// Tests of a document's record store against a plain map (its walks keep
// their place between calls, which must never show), of the records it
// keeps as they were before a run changed them and the listing made from
// them, and of the journal's switch for the call log.
#include "sim/codec/Document.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "sim/cli/ReplaceChanges.h"
#include "sim/codec/RecordKinds.h"

namespace tavrel::sim {
namespace {

const RecordTag kTxve = Tag("txve");
const RecordTag kTxxp = Tag("txxp");
constexpr RecordTag kStaff = 0x534F4953;

using Model = std::map<std::pair<RecordTag, std::uint32_t>, std::u16string>;

// A key's order, or -1 for none.
std::int64_t Order(std::optional<RecordKey> key) {
    return key ? std::int64_t(KeyOrder(*key)) : -1;
}

std::int64_t ModelNext(const Model& model, RecordTag tag, std::uint32_t order) {
    auto next = model.upper_bound({tag, order});
    return next != model.end() && next->first.first == tag ? std::int64_t(next->first.second) : -1;
}

std::int64_t ModelPrevious(const Model& model, RecordTag tag, std::uint32_t order) {
    auto at = model.lower_bound({tag, order});
    return at != model.begin() && std::prev(at)->first.first == tag
               ? std::int64_t(std::prev(at)->first.second)
               : -1;
}

std::int64_t ModelLast(const Model& model, RecordTag tag) {
    auto after = model.lower_bound({tag + 1, 0});
    return after != model.begin() && std::prev(after)->first.first == tag
               ? std::int64_t(std::prev(after)->first.second)
               : -1;
}

// Random walks, finds, changes, additions and erasures over two text kinds,
// with the document copied now and then (a copy must not walk the other's
// records): every answer is the plain map's.
TEST(DocumentChangesTest, TheStoreAnswersAsAPlainMapWhateverTheOrderOfCalls) {
    std::mt19937 random(12);
    Document document;
    Model model;
    const RecordTag tags[] = {kTxve, kTxxp};
    const std::uint32_t orders[] = {0, 1, 2, 3, 5, 8, 0x10000, 0x10001, 0xFFFFFFFEu, 0xFFFFFFFFu};
    auto pick = [&](auto& options) { return options[random() % std::size(options)]; };
    for (int step = 0; step < 20000; ++step) {
        SCOPED_TRACE(step);
        const RecordTag tag = pick(tags);
        const std::uint32_t order = pick(orders);
        const RecordKey key = KeyFromOrder(order);
        const std::u16string text(1 + random() % 3, char16_t(u'a' + random() % 26));
        switch (random() % 8) {
            case 0:
                document.PutText(tag, key, text);
                model[{tag, order}] = text;
                break;
            case 1: {
                const bool added = document.AddText(tag, key, text);
                EXPECT_EQ(added, model.emplace(std::make_pair(tag, order), text).second);
                break;
            }
            case 2:
                EXPECT_EQ(document.Erase(tag, key), model.erase({tag, order}) == 1);
                break;
            case 3:
                document = Document(document);
                break;
            case 4:
                EXPECT_EQ(Order(document.PreviousKey(tag, key)), ModelPrevious(model, tag, order));
                break;
            default: {
                // Walks and finds, as the search makes them, most often.
                EXPECT_EQ(Order(document.NextKey(tag, key)), ModelNext(model, tag, order));
                auto it = model.find({tag, order});
                const std::u16string* found = document.FindText(tag, key);
                ASSERT_EQ(found != nullptr, it != model.end());
                if (found != nullptr) {
                    EXPECT_EQ(*found, it->second);
                }
                EXPECT_EQ(Order(document.LastKey(tag)), ModelLast(model, tag));
            }
        }
    }
}

struct Listed {
    std::string record, before, after;
    bool operator==(const Listed& other) const {
        return record == other.record && before == other.before && after == other.after;
    }
    friend std::ostream& operator<<(std::ostream& out, const Listed& listed) {
        return out << listed.record << ": " << listed.before << " -> " << listed.after;
    }
};

std::vector<Listed> Listing(const Document& document) {
    std::vector<Listed> listed;
    for (const RecordChange& change : ListChanges(0, document)) {
        listed.push_back({change.record, change.before, change.after});
    }
    return listed;
}

TEST(DocumentChangesTest, ARunListsEachChangedRecordOnceAgainstWhatItWas) {
    struct Row {
        int line;
        void (*change)(Document&);
        std::vector<Listed> listed;
    };
    const Row rows[] = {
        {__LINE__,
         [](Document& d) { d.PutText(kTxve, MakeKey(1), u"la la"); },
         {{"txve 1", "\"la\"", "\"la la\""}}},
        {__LINE__,
         [](Document& d) {
             d.PutText(kTxve, MakeKey(1), u"lo");
             d.PutText(kTxve, MakeKey(1), u"lu");
         },
         {{"txve 1", "\"la\"", "\"lu\""}}},
        {__LINE__,
         [](Document& d) {
             d.PutText(kTxve, MakeKey(1), u"lo");
             d.PutText(kTxve, MakeKey(1), u"la");  // back as it was
         },
         {}},
        {__LINE__,
         [](Document& d) { d.Erase(kTxve, MakeKey(1)); },
         {{"txve 1", "\"la\"", "(none)"}}},
        {__LINE__,
         [](Document& d) {
             d.Erase(kTxve, MakeKey(1));
             d.PutText(kTxve, MakeKey(1), u"la");
         },
         {}},
        {__LINE__, [](Document& d) { d.Erase(kTxve, MakeKey(7)); }, {}},  // nothing there
        {__LINE__,
         [](Document& d) { d.AddText(kTxxp, MakeKey(2), u"f"); },
         {{"txxp 2", "(none)", "\"f\""}}},
        {__LINE__,
         [](Document& d) {
             d.PutRecord(kStaff, MakeKey(1), Bytes{1, 2});
         },
         {{"SOIS 1", "00", "0102"}}},
        // The listing follows the search's order of kinds, then keys.
        {__LINE__,
         [](Document& d) {
             d.PutText(kTxxp, MakeKey(3), u"p");
             d.PutText(kTxve, MakeKey(2), u"b");
         },
         {{"txve 2", "(none)", "\"b\""}, {"txxp 3", "(none)", "\"p\""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Document document;
        document.PutText(kTxve, MakeKey(1), u"la");
        document.PutRecord(kStaff, MakeKey(1), Bytes{0});
        document.PutText(kTxxp, MakeKey(9), u"before tracking");
        document.TrackChanges();
        row.change(document);
        EXPECT_EQ(Listing(document), row.listed);
        document.StopTracking();
        EXPECT_TRUE(document.Changed().empty());
        document.PutText(kTxve, MakeKey(1), u"after tracking");
        EXPECT_TRUE(document.Changed().empty());
    }
}

}  // namespace
}  // namespace tavrel::sim
