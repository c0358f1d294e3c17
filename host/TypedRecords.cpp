// Text records, pages and fonts over the record access layer.
#include "host/TypedRecords.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "host/FixedFields.h"
#include "host/HostCallbacks.h"
#include "host/RecordAccess.h"
#include "host/RecordLayout.h"

namespace tavrel {

namespace {

static_assert(layout::font::kName + layout::font::kNameMax == layout::font::kSize,
              "the font name runs to the end of its record");

}  // namespace

bool LoadTextRecord(RecordTag tag, RecordKey key, std::u16string& text) {
    std::uint32_t units = 0;
    if (LoadEData(tag, &key, nullptr, &units, kInterfaceVersion) == 0 || units == 0) {
        return false;
    }
    std::vector<char16_t> buffer;
    if (units > kMaxTextUnits || std::size_t(units) >= buffer.max_size()) {
        return false;
    }
    // One unit more than the host may fill, all zero: the text ends within
    // the buffer even when the host's copy carries no terminator.
    buffer.assign(std::size_t(units) + 1, u'\0');
    std::uint32_t given = units;
    if (LoadEData(tag, &key, buffer.data(), &given, kInterfaceVersion) == 0) {
        return false;
    }
    text = ReadFixedText16(buffer.data(), units);
    return true;
}

bool SaveTextRecord(RecordTag tag, RecordKey key, const std::u16string& text) {
    if (text.size() >= kMaxTextUnits) {
        return false;
    }
    const auto units = static_cast<std::uint32_t>(text.size() + 1);
    return SaveEData(tag, &key, text.c_str(), units, kInterfaceVersion) != 0;
}

bool LoadText(std::uint16_t number, UniversalString& text, RecordTag kind) {
    std::u16string loaded;
    if (!LoadTextRecord(kind, RecordKey{number, 0}, loaded)) {
        return false;
    }
    text.setText(std::move(loaded));
    return true;
}

bool SaveText(const UniversalString& text, std::uint16_t number, RecordTag kind) {
    if (number == 0) {
        return false;
    }
    return SaveTextRecord(kind, RecordKey{number, 0}, text.text());
}

std::int16_t CountPages() {
    std::int16_t pages = 0;
    while (pages < layout::kMostPages) {
        std::uint8_t record[layout::page::kSize] = {};
        std::uint32_t size = layout::page::kSize;
        RecordKey key{static_cast<std::uint16_t>(pages + 1), 0};
        if (LoadEData(layout::page::kTag, &key, record, &size, layout::page::kVersion) == 0) {
            break;
        }
        ++pages;
    }
    return pages;
}

bool LoadFontRecord(std::uint16_t fontNumber, FontRecord& font) {
    std::uint8_t record[layout::font::kSize] = {};
    std::uint32_t size = layout::font::kSize;
    RecordKey key{fontNumber, 0};
    if (LoadEData(layout::font::kTag, &key, record, &size, layout::font::kVersion) == 0) {
        return false;
    }
    font.commandValue = layout::ReadU16(record, layout::font::kArg);
    font.name = ReadFixedText8(record, layout::font::kName, layout::font::kNameMax);
    return true;
}

std::uint16_t FontCommandValue(std::uint16_t fontNumber) {
    FontRecord font;
    return LoadFontRecord(fontNumber, font) ? font.commandValue : 0;
}

UniversalString FontName(std::uint16_t fontNumber) {
    UniversalString name;
    FontRecord font;
    if (LoadFontRecord(fontNumber, font)) {
        name.fromAnsi(font.name);
    }
    return name;
}

std::uint16_t FontNumber(const UniversalString& name) {
    const std::string ansi = name.toAnsi();
    return host::FontNameToNum(ansi.c_str());
}

}  // namespace tavrel
