// The host's menu item record, written byte by byte at fixed offsets: the
// record is the host's, so its layout never depends on this compiler's
// struct packing (long1 sits at an unaligned offset).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel {

class ExtensionMenuItem {
  public:
    static constexpr std::size_t kTextSize = 64;
    static constexpr std::size_t kMenuTextOffset = 0x00;
    static constexpr std::size_t kMenuText2Offset = 0x40;
    static constexpr std::size_t kUndoTextOffset = 0x80;
    static constexpr std::size_t kWord1Offset = 0xC0;
    static constexpr std::size_t kWord2Offset = 0xC2;
    static constexpr std::size_t kUntouchedOffset = 0xC4;  // six bytes the host keeps
    static constexpr std::size_t kUntouchedSize = 6;
    static constexpr std::size_t kLong1Offset = 0xCA;
    static constexpr std::size_t kSize = 0xCE;
    // Room for the text itself: the field always keeps its terminating zero.
    static constexpr std::size_t kMaxTextBytes = kTextSize - 1;

    // bytes: the host's record, at least kSize bytes.
    explicit ExtensionMenuItem(void* bytes) : bytes_(static_cast<unsigned char*>(bytes)) {}

    // Writes the menu text into menuText and menuText2, the undo name into
    // undoText, and zero into word1, word2 and long1. Each text is cut to
    // kMaxTextBytes and its field padded with zero bytes.
    void Describe(std::string_view menuText, std::string_view undoText);

  private:
    void WriteText(std::size_t offset, std::string_view text);
    void WriteZero(std::size_t offset, std::size_t count);

    unsigned char* bytes_;
};

static_assert(ExtensionMenuItem::kMenuText2Offset ==
                  ExtensionMenuItem::kMenuTextOffset + ExtensionMenuItem::kTextSize,
              "menuText2 follows menuText");
static_assert(ExtensionMenuItem::kUndoTextOffset ==
                  ExtensionMenuItem::kMenuText2Offset + ExtensionMenuItem::kTextSize,
              "undoText follows menuText2");
static_assert(ExtensionMenuItem::kWord1Offset ==
                  ExtensionMenuItem::kUndoTextOffset + ExtensionMenuItem::kTextSize,
              "word1 follows undoText");
static_assert(ExtensionMenuItem::kWord2Offset == ExtensionMenuItem::kWord1Offset + 2,
              "word2 follows word1");
static_assert(ExtensionMenuItem::kUntouchedOffset == ExtensionMenuItem::kWord2Offset + 2 &&
                  ExtensionMenuItem::kLong1Offset ==
                      ExtensionMenuItem::kUntouchedOffset + ExtensionMenuItem::kUntouchedSize,
              "six untouched bytes lie between word2 and long1");
static_assert(ExtensionMenuItem::kSize == ExtensionMenuItem::kLong1Offset + 4,
              "long1 is the record's last field");

// The text in the ANSI code page, shortened by whole characters until it
// fits a menu item field with its terminating zero. Cutting the wide text
// rather than the bytes keeps a double-byte character of an East Asian code
// page whole.
std::string MenuFieldText(const std::u16string& text);

}  // namespace tavrel
