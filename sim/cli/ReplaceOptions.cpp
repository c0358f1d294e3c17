// Parsing `notavo-sim replace` options into the dialog's request.
#include "sim/cli/ReplaceOptions.h"

#include <cstdlib>
#include <set>

#include "host/RecordLayout.h"
#include "platform/CodePage.h"
#include "search/RequestRules.h"

namespace tavrel::sim {
namespace {

// The dialog's category boxes and "Search Everywhere" as first shown.
constexpr std::uint32_t kEverywhereBoxes = SR_INITIAL_OPTIONS;
constexpr std::uint32_t kCategoryBoxes = SR_INITIAL_OPTIONS & ~SR_EVERYWHERE;
static_assert((kCategoryBoxes & SR_EVERYWHERE) == 0, "boxes beneath Search Everywhere");

bool ParseSize(const std::string& text, std::uint16_t& size) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < 1 || value > layout::kLargestSize) {
        return false;
    }
    size = static_cast<std::uint16_t>(value);
    return true;
}

bool ParseStyleItem(const std::string& item, StringStyle& style, std::string& error) {
    if (item.rfind("font=", 0) == 0) {
        if (!style.fontName.empty() || item.size() == 5) {
            error = item.size() == 5 ? "font= needs a font name" : "font given twice";
            return false;
        }
        style.fontName = item.substr(5);
        return true;
    }
    if (item.rfind("size=", 0) == 0) {
        if (style.size != kUnset16 || !ParseSize(item.substr(5), style.size)) {
            error = style.size != kUnset16 ? "size given twice"
                                           : "size= needs a whole number from 1 to 32767";
            return false;
        }
        return true;
    }
    const std::uint32_t bit =
        (item.size() > 1 && (item[0] == '+' || item[0] == '-')) ? EffectBit(item.substr(1)) : 0;
    if (bit == 0) {
        error = "unknown style item \"" + item +
                "\" (use font=NAME, size=N, or +/- with bold, italic, underline, fixed, hidden)";
        return false;
    }
    if ((style.effectsMask & bit) != 0) {
        error = "effect \"" + item.substr(1) + "\" given twice";
        return false;
    }
    style.effectsMask = static_cast<std::uint16_t>(style.effectsMask | bit);
    if (item[0] == '+') {
        style.effects = static_cast<std::uint16_t>(style.effects | bit);
    }
    return true;
}

bool ValidUtf8(const std::string& text) {
    std::u16string wide;
    return text.empty() || platform::Utf8ToUtf16(text, wide);
}

struct ParseState;
using OptionFunction = bool (*)(const std::string& value, ParseState& state, std::string& error);

// The parse so far: the command line, the category boxes named and the
// options given (by what they do, so -h and --help are one option).
struct ParseState {
    ReplaceCommandLine& out;
    bool categoriesNamed = false;
    bool everywhere = false;
    std::uint32_t boxes = 0;
    std::set<OptionFunction> given;
};

// One option of the command line and what it does with its value.
struct OptionRule {
    const char* name;
    bool takesValue;
    OptionFunction apply;
};

bool SetText(const char* option, const std::string& value, UniversalString& text,
             std::string& error) {
    if (!ValidUtf8(value)) {
        error = std::string(option) + ": the text is not valid UTF-8";
        return false;
    }
    text.setText(UniversalString(value).text());
    return true;
}

bool SetStyle(const char* option, const std::string& value, UniversalString& text,
              std::uint32_t useBit, std::uint32_t& options, std::string& error) {
    StringStyle style;
    if (!ParseStyleOption(value, style, error)) {
        error = std::string(option) + ": " + error;
        return false;
    }
    text.setStyle(style);
    options |= useBit;
    return true;
}

bool OptSearch(const std::string& v, ParseState& s, std::string& e) {
    return SetText("--search", v, s.out.request.searchText, e);
}
bool OptReplace(const std::string& v, ParseState& s, std::string& e) {
    return SetText("--replace", v, s.out.request.replaceText, e);
}
bool OptSearchStyle(const std::string& v, ParseState& s, std::string& e) {
    return SetStyle("--search-style", v, s.out.request.searchText, SR_USE_SEARCH_STYLE,
                    s.out.request.options, e);
}
bool OptReplaceStyle(const std::string& v, ParseState& s, std::string& e) {
    return SetStyle("--replace-style", v, s.out.request.replaceText, SR_USE_REPLACE_STYLE,
                    s.out.request.options, e);
}

bool OptIn(const std::string& v, ParseState& s, std::string& e) {
    const bool everywhere = v == "everywhere";
    const std::uint32_t bit = CategoryBit(v);
    if (!everywhere && bit == 0) {
        e = "--in: unknown category \"" + v + "\" (use everywhere, " + CategoryNames() + ")";
        return false;
    }
    if ((everywhere && s.everywhere) || (s.boxes & bit) != 0) {
        e = "--in " + v + " given twice";
        return false;
    }
    if (everywhere ? s.boxes != 0 : s.everywhere) {
        // Everywhere already means every category: a list beside it says
        // the user meant something narrower.
        e = "--in everywhere cannot be combined with other categories; name the categories "
            "alone, or everywhere alone";
        return false;
    }
    s.categoriesNamed = true;
    s.everywhere = s.everywhere || everywhere;
    s.boxes |= bit;
    return true;
}

bool OptMatchCase(const std::string&, ParseState& s, std::string&) {
    s.out.request.options |= SR_MATCH_CASE;
    return true;
}
bool OptWholeWords(const std::string&, ParseState& s, std::string&) {
    s.out.request.options |= SR_WHOLE_WORDS;
    return true;
}
bool OptAllDocuments(const std::string&, ParseState& s, std::string&) {
    s.out.request.options |= SR_ALL_DOCUMENTS;
    return true;
}

bool OptCurrent(const std::string& v, ParseState& s, std::string& e) {
    if (v.empty() || v.size() > 5 || v.find_first_not_of("0123456789") != std::string::npos ||
        std::strtol(v.c_str(), nullptr, 10) < 1) {
        e = "--current: give the number of an opened score, counting from 1";
        return false;
    }
    s.out.current = static_cast<std::size_t>(std::strtol(v.c_str(), nullptr, 10));
    return true;
}

bool OptDryRun(const std::string&, ParseState& s, std::string&) {
    s.out.dryRun = true;
    return true;
}

bool OptOutput(const std::string& v, ParseState& s, std::string& e) {
    if (v.empty()) {
        e = "--output: name a folder";
        return false;
    }
    s.out.outputDir = v;
    return true;
}

bool OptHelp(const std::string&, ParseState& s, std::string&) {
    s.out.help = true;
    return true;
}

constexpr OptionRule kRules[] = {
    {"--search", true, OptSearch},
    {"--replace", true, OptReplace},
    {"--search-style", true, OptSearchStyle},
    {"--replace-style", true, OptReplaceStyle},
    {"--in", true, OptIn},
    {"--match-case", false, OptMatchCase},
    {"--whole-words", false, OptWholeWords},
    {"--all-documents", false, OptAllDocuments},
    {"--current", true, OptCurrent},
    {"--dry-run", false, OptDryRun},
    {"--output", true, OptOutput},
    {"--help", false, OptHelp},
    {"-h", false, OptHelp},
};

const OptionRule* FindRule(const std::string& name) {
    for (const OptionRule& rule : kRules) {
        if (name == rule.name) {
            return &rule;
        }
    }
    return nullptr;
}

// Applies the option at args[i], taking its value from after '=' or from
// the next argument (i then moves past it).
bool ApplyOption(const std::vector<std::string>& args, std::size_t& i, ParseState& state,
                 std::string& error) {
    const std::string& arg = args[i];
    const std::size_t eq = arg.find('=');
    const std::string name = arg.substr(0, eq);
    const OptionRule* rule = FindRule(name);
    if (rule == nullptr) {
        error = "unknown option \"" + name + "\" (see notavo-sim replace --help)";
        return false;
    }
    // --in names one category each time; every other option is one setting.
    if (rule->apply != OptIn && !state.given.insert(rule->apply).second) {
        error = name + " given twice";
        return false;
    }
    std::string value;
    if (!rule->takesValue && eq != std::string::npos) {
        error = name + " takes no value";
        return false;
    }
    if (rule->takesValue && eq != std::string::npos) {
        value = arg.substr(eq + 1);
    } else if (rule->takesValue && i + 1 < args.size()) {
        value = args[++i];
    } else if (rule->takesValue) {
        error = name + " needs a value (" + name + " VALUE or " + name + "=VALUE)";
        return false;
    }
    return rule->apply(value, state, error);
}

}  // namespace

bool ParseStyleOption(const std::string& text, StringStyle& style, std::string& error) {
    style.reset();
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const std::size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (item.empty()) {
            error = "empty item in style \"" + text + "\"";
            return false;
        }
        if (!ParseStyleItem(item, style, error)) {
            return false;
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (!ValidUtf8(style.fontName)) {
        error = "the font name is not valid UTF-8";
        return false;
    }
    return true;
}

bool ParseReplaceCommandLine(const std::vector<std::string>& args, ReplaceCommandLine& out,
                             std::string& error) {
    out = ReplaceCommandLine();
    ParseState state{out, false, false, 0, {}};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            out.scores.push_back(arg);
        } else if (!ApplyOption(args, i, state, error)) {
            return false;
        }
    }
    if (out.help) {
        return true;
    }
    // The category boxes: as the dialog first shows them unless named.
    out.request.options |=
        (!state.categoriesNamed || state.everywhere) ? kEverywhereBoxes : state.boxes;
    if (out.scores.empty()) {
        error = "name at least one score file (notavo-sim replace [options] SCORE...)";
        return false;
    }
    if (out.current > out.scores.size()) {
        error = "--current " + std::to_string(out.current) + ": only " +
                std::to_string(out.scores.size()) + " score(s) are opened";
        return false;
    }
    return true;
}

std::string RefusalReason(const SearchRequest& request) {
    // The command line always opens a score, so the host has a window.
    switch (ReplaceAllBlocker(1, request.searchText, request.replaceText, request.options)) {
        case ReplaceAllBlock::ReplacementWithoutSearch:
            return "the search text is empty but the replacement is not; give --search too";
        case ReplaceAllBlock::NoCategory:
            return "no category chosen; name one with --in";
        case ReplaceAllBlock::NothingToDo:
            return "both texts are empty and no replacement style is given; give --search, "
                   "or --replace-style to restyle";
        case ReplaceAllBlock::NoDocument:
        case ReplaceAllBlock::None:
            break;
    }
    return std::string();
}

}  // namespace tavrel::sim
