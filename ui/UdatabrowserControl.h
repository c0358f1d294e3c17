// The tree browser: a tree-view control whose items the owner creates on
// request and identifies by its own 32-bit ids, with the notices the owner
// receives about them.
#pragma once

#include <cstdint>
#include <vector>

#include "text/UniversalString.h"
#include "ui/Ucontrol.h"

namespace tavrel {

// Notice kinds and item messages of DataBrowserNotice.
constexpr std::uint32_t kNoticeAddItem = 1;
constexpr std::uint32_t kNoticeItem = 2;
constexpr std::uint32_t kNoticeDrop = 5;
constexpr std::uint32_t kNoticeDragStarted = 6;
constexpr std::uint32_t kItemDoubleClicked = 7;
constexpr std::uint32_t kItemOpened = 8;
constexpr std::uint32_t kItemClosed = 10;
constexpr std::uint32_t kItemSelectionChanged = 14;

// The parameter block of browser events: six 32-bit words. The tree's
// window travels as a 32-bit word (HandleToWord/WordToHandle), which holds
// a window handle on 32-bit and 64-bit Windows alike.
struct DataBrowserNotice {
    std::uint32_t control = 0;
    std::uint32_t noticeKind = 0;
    std::uint32_t container = 0;
    std::uint32_t item = 0;
    std::uint32_t message = 0;
    std::uint32_t extra = 0;
};
static_assert(sizeof(DataBrowserNotice) == 24, "six 32-bit words");

// Browser options of setupBrowser.
constexpr std::uint32_t kBrowserOptionMultiSelect = 0x1;
constexpr std::uint32_t kBrowserOptionHomogeneousDrag = 0x2;
constexpr std::uint32_t kBrowserOptionAltItemImage = 0x20;

// Images of the standard image list.
constexpr int kImageFolderClosed = 0;
constexpr int kImageFolderOpen = 1;
constexpr int kImageItem = 3;

// One column of a browser header.
struct BrowserColumn {
    UniversalString title;
    std::int32_t width = 0;
    std::int32_t minWidth = 0;
    std::int32_t maxWidth = 0;
};

class UdatabrowserControl : public Ucontrol {
  public:
    UdatabrowserControl() = default;
    explicit UdatabrowserControl(const Ucontrol& control) : Ucontrol(control) {}
    ~UdatabrowserControl() override = default;
};

}  // namespace tavrel
