// The find-and-replace engine: one search request carried out over the
// host's current document, category by category, with changed texts and
// records written back through the record access layer.
#pragma once

#include <cstdint>

#include "host/HostApi.h"
#include "search/SearchRequest.h"
#include "text/StringStyle.h"
#include "text/UniversalString.h"

namespace tavrel {

// Readies the two texts and the option word for a search of the current
// document: styles whose use-style bit is clear are reset, the default font
// is marked (a default-font replacement is written as "Font0"), typed
// shorthands and character codes are converted, SR_FILE_INFO stands for the
// seven file-info texts and SR_EVERYWHERE for every category. Changes the
// texts in place, so hand it fresh copies for each document.
void PrepareSearch(UniversalString& searchText, UniversalString& replaceText,
                   std::uint32_t& options);

// Carries out the search over the current document and returns how many
// occurrences were replaced and items restyled; each counts only once its
// record was saved. Prepares the texts first (see PrepareSearch).
std::uint32_t ReplaceInCurrentDocument(UniversalString& searchText, UniversalString& replaceText,
                                       std::uint32_t options);
// The same, adding to runningCount as each change is saved, so that a
// caller still knows what was done when the search ends in an exception.
std::uint32_t ReplaceInCurrentDocument(UniversalString& searchText, UniversalString& replaceText,
                                       std::uint32_t options, std::uint32_t& runningCount);

// The count for one text kind: the text numbered `number`, or with
// SR_ALL_RECORDS every text of the kind. The texts must be prepared.
std::uint32_t ReplaceInTextRecords(std::uint16_t number, RecordTag kind,
                                   const UniversalString& searchText,
                                   const UniversalString& replaceText, std::uint32_t options);

// Marks a style that names the document's default font (bit 0 of
// fontFlags); a style naming "Font0" also takes the default font's name and
// command value. Marks nothing when the default font's record does not load
// or the style names no font.
void MarkDefaultFont(StringStyle& style);

// Gives a named style the current document's number for its font and the
// font's command value; a style without a font name gets 0xFFFF. "Font0",
// which the host may not know by name, is the default font, number 0.
void ResolveFontNumber(StringStyle& style);

}  // namespace tavrel
