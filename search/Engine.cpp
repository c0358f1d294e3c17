// The engine's entry: preparing the request for the current document and
// running the categories in their fixed order.
#include "search/Engine.h"

#include <string>

#include "host/TypedRecords.h"
#include "search/WalkOrder.h"
#include "search/internal/EngineContext.h"
#include "text/Inserts.h"

namespace tavrel {

namespace {

// Each step of the walk's carrying out, by WalkStep.
using StepRun = void (*)(engine::EngineContext&);
constexpr StepRun kStepRuns[] = {
    engine::SearchStaffNames,      engine::SearchStaffStyles,   engine::SearchGroupNames,
    engine::SearchTextBlocks,      engine::SearchLyrics,        engine::SearchSmartShapes,
    engine::SearchFileInfo,        engine::SearchRepeatTexts,   engine::SearchStylePairs,
    engine::SearchTextExpressions, engine::SearchArticulations,
};
static_assert(sizeof kStepRuns / sizeof kStepRuns[0] == kWalkStepCount, "one run per step");

UniversalString Lowered(const std::string& utf8) {
    UniversalString s(utf8);
    s.toLower();
    return s;
}

bool NamesFont0(const std::string& utf8) {
    return !utf8.empty() && Lowered(utf8) == "font0";
}

}  // namespace

void MarkDefaultFont(StringStyle& style) {
    if (style.fontName.empty()) {
        return;
    }
    FontRecord font;
    if (!LoadFontRecord(0, font)) {
        return;  // no default font known: nothing can be said to be it
    }
    UniversalString defaultName;
    defaultName.fromAnsi(font.name);
    const UniversalString name = Lowered(style.fontName);
    UniversalString defaultLower = defaultName;
    defaultLower.toLower();
    if (!defaultLower.empty() && name == defaultLower) {
        style.fontFlags |= FONT_FLAG_DEFAULT;
    }
    if (name == "font0") {
        style.fontFlags |= FONT_FLAG_DEFAULT;
        style.fontName = defaultName.toUtf8();
        style.fontArg = static_cast<std::int16_t>(font.commandValue);
    }
}

void ResolveFontNumber(StringStyle& style) {
    if (style.fontName.empty()) {
        style.fontId = kUnset16;
        return;
    }
    style.fontId = FontNumber(UniversalString(style.fontName));
    if (style.fontId == kUnset16 && NamesFont0(style.fontName)) {
        style.fontId = 0;  // the default font's record is number 0
    }
    if (style.fontId != kUnset16) {
        style.fontArg = static_cast<std::int16_t>(FontCommandValue(style.fontId));
    }
}

void PrepareSearch(UniversalString& searchText, UniversalString& replaceText,
                   std::uint32_t& options) {
    if ((options & SR_USE_SEARCH_STYLE) == 0) {
        searchText.resetStyle();
    }
    if ((options & SR_USE_REPLACE_STYLE) == 0) {
        replaceText.resetStyle();
    }
    MarkDefaultFont(searchText.style());
    MarkDefaultFont(replaceText.style());
    if ((replaceText.style().fontFlags & FONT_FLAG_DEFAULT) != 0) {
        replaceText.style().fontName = "Font0";
        replaceText.style().fontArg = 0;
    }
    for (UniversalString* text : {&searchText, &replaceText}) {
        ConvertTypedEscapes(*text);
        ConvertCharacterCodes(*text);
    }
    if ((options & SR_FILE_INFO) != 0) {
        options |= SR_ALL_FILE_INFO;
    }
    // "Everywhere" means every category, whatever the boxes beneath it say.
    if ((options & SR_EVERYWHERE) != 0) {
        options |= SR_ALL_CATEGORIES;
    }
}

std::uint32_t ReplaceInCurrentDocument(UniversalString& searchText, UniversalString& replaceText,
                                       std::uint32_t options, std::uint32_t& runningCount) {
    PrepareSearch(searchText, replaceText, options);
    const std::uint32_t before = runningCount;
    engine::EngineContext ctx(searchText, replaceText, options, runningCount);
    for (const WalkEntry& entry : kWalkOrder) {
        if ((options & entry.bits) != 0) {
            kStepRuns[static_cast<std::size_t>(entry.step)](ctx);
        }
    }
    return runningCount - before;
}

std::uint32_t ReplaceInCurrentDocument(UniversalString& searchText, UniversalString& replaceText,
                                       std::uint32_t options) {
    std::uint32_t count = 0;
    return ReplaceInCurrentDocument(searchText, replaceText, options, count);
}

}  // namespace tavrel
