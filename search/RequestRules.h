// The rules a request must meet before "Replace All" may run, and the names
// the command line gives the categories and effects. The main dialog and
// `notavo-sim replace` both decide through these, so they never disagree.
#pragma once

#include <cstdint>
#include <string>

#include "search/SearchRequest.h"
#include "text/StringStyle.h"

namespace tavrel {

// Why "Replace All" is disabled; None when it may run.
enum class ReplaceAllBlock {
    None,
    NoDocument,                // the host has no window open
    ReplacementWithoutSearch,  // an empty search with a replacement text
    NoCategory,                // no category, "Search Everywhere" or style box
    NothingToDo,               // both texts empty and no replacement style in use
};

// A style that constrains nothing: no font name, size unset, no effect bits
// and an empty mask (the font number is not looked at).
bool StyleIsEmpty(const StringStyle& style);

// The first reason, in the order the dialog checks them, that keeps
// "Replace All" disabled for these texts and this option word.
ReplaceAllBlock ReplaceAllBlocker(std::int16_t windowCount, const UniversalString& searchText,
                                  const UniversalString& replaceText, std::uint32_t options);

// The option bit of a category name ("lyrics", "text-expressions", ...), or
// 0; and a comma-separated list of all the names, for messages.
std::uint32_t CategoryBit(const std::string& name);
std::string CategoryNames();

// The effect bit of an effect name ("bold", "italic", "underline", "fixed",
// "hidden"), or 0.
std::uint16_t EffectBit(const std::string& name);

}  // namespace tavrel
