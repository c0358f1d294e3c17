// The window-system numbers the toolkit's portable rules decide on: message
// numbers, notification codes, virtual keys and style bits. They are the
// values user32 and comctl32 use; ui/win32/ checks each against the system
// headers, and the headless stand-in produces its messages with them.
#pragma once

#include <cstdint>

namespace tavrel::msg {

// Window messages.
constexpr std::uint32_t kNull = 0x0000;
constexpr std::uint32_t kDestroy = 0x0002;
constexpr std::uint32_t kSize = 0x0005;
constexpr std::uint32_t kPaint = 0x000F;
constexpr std::uint32_t kClose = 0x0010;
constexpr std::uint32_t kNotify = 0x004E;
constexpr std::uint32_t kContextMenu = 0x007B;
constexpr std::uint32_t kNcDestroy = 0x0082;
constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kInitDialog = 0x0110;
constexpr std::uint32_t kCommand = 0x0111;
constexpr std::uint32_t kTimer = 0x0113;
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonUp = 0x0202;
constexpr std::uint32_t kSizing = 0x0214;
constexpr std::uint32_t kClear = 0x0303;

// Command ids the dialog manager uses.
constexpr std::uint32_t kIdOk = 1;
constexpr std::uint32_t kIdCancel = 2;

// WM_COMMAND notification codes.
constexpr std::uint32_t kButtonClicked = 0;
constexpr std::uint32_t kEditSetFocus = 0x0100;
constexpr std::uint32_t kEditChange = 0x0300;

// WM_NOTIFY codes (unsigned, as the notification header carries them).
constexpr std::uint32_t kNmClick = 0u - 2u;
constexpr std::uint32_t kNmDblClk = 0u - 3u;
constexpr std::uint32_t kTvnSelChangedA = 0u - 402u;
constexpr std::uint32_t kTvnSelChangedW = 0u - 451u;
constexpr std::uint32_t kTvnItemExpandedA = 0u - 406u;
constexpr std::uint32_t kTvnItemExpandedW = 0u - 455u;
constexpr std::uint32_t kTvnBeginDragA = 0u - 407u;
constexpr std::uint32_t kTvnBeginDragW = 0u - 456u;
constexpr std::uint32_t kTvnKeyDown = 0u - 412u;
constexpr std::uint32_t kTtnGetDispInfoW = 0u - 530u;
constexpr std::uint32_t kEnMsgFilter = 0x0700;

// Tree-view expand actions.
constexpr std::uint32_t kTveCollapse = 0x1;
constexpr std::uint32_t kTveExpand = 0x2;

// Message-filter hook codes.
constexpr int kMsgfDialogBox = 0;
constexpr int kMsgfScrollBar = 5;

// Virtual keys.
constexpr std::uint32_t kVkTab = 0x09;
constexpr std::uint32_t kVkReturn = 0x0D;
constexpr std::uint32_t kVkEscape = 0x1B;
constexpr std::uint32_t kVkSpace = 0x20;
constexpr std::uint32_t kVkLeft = 0x25;
constexpr std::uint32_t kVkRight = 0x27;
constexpr std::uint32_t kVkDelete = 0x2E;

// Window and button styles.
constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr std::uint32_t kWsGroup = 0x00020000;
constexpr std::uint32_t kWsDisabled = 0x08000000;
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kBsDefPushButton = 0x1;
constexpr std::uint32_t kBsCheckBox = 0x2;
constexpr std::uint32_t kBsAutoCheckBox = 0x3;
constexpr std::uint32_t kBsRadioButton = 0x4;
constexpr std::uint32_t kBs3State = 0x5;
constexpr std::uint32_t kBsAuto3State = 0x6;
constexpr std::uint32_t kBsGroupBox = 0x7;
constexpr std::uint32_t kBsAutoRadioButton = 0x9;

}  // namespace tavrel::msg
