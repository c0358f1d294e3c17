// Four-character codes of the dialog toolkit: event classes, keyboard
// commands and control kinds, each a 32-bit value whose most significant
// byte is the first character ('cntl' is 0x636E746C).
#pragma once

#include <cstdint>

namespace tavrel {

using FourCharCode = std::uint32_t;

constexpr FourCharCode MakeFourCharCode(const char (&c)[5]) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(c[0])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(c[1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(c[2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(c[3]));
}

// Event classes and the kinds the toolkit delivers in them.
constexpr FourCharCode kEventWind = MakeFourCharCode("wind");
constexpr FourCharCode kEventCntl = MakeFourCharCode("cntl");
constexpr FourCharCode kEventCmds = MakeFourCharCode("cmds");
constexpr FourCharCode kEventTmer = MakeFourCharCode("tmer");
static_assert(kEventCntl == 0x636E746C, "most significant byte first");

constexpr std::uint32_t kKindInitialised = 1004;  // wind: the dialog was initialised
constexpr std::uint32_t kKindDestroyed = 1005;    // wind: the window is being destroyed
constexpr std::uint32_t kKindCloseRequest = 72;   // wind: no message produces it
constexpr std::uint32_t kKindControlUsed = 1;     // cntl: clicked, text changed, tree notice
constexpr std::uint32_t kKindContextMenu = 12;    // cntl
constexpr std::uint32_t kKindCommand = 1;         // cmds: see the command field
constexpr std::uint32_t kKindTimer = 1;           // tmer: the periodic timer fired

// Commands of class cmds.
constexpr FourCharCode kCommandClear = MakeFourCharCode("clea");
constexpr FourCharCode kCommandSpace = MakeFourCharCode("spce");
constexpr FourCharCode kCommandSelectAll = MakeFourCharCode("sall");
constexpr FourCharCode kCommandCopy = MakeFourCharCode("copy");
constexpr FourCharCode kCommandPaste = MakeFourCharCode("past");
constexpr FourCharCode kCommandUndo = MakeFourCharCode("undo");
constexpr FourCharCode kCommandRedo = MakeFourCharCode("redo");

// Control kinds.
constexpr FourCharCode kKindPush = MakeFourCharCode("push");
constexpr FourCharCode kKindCbox = MakeFourCharCode("cbox");
constexpr FourCharCode kKindRdio = MakeFourCharCode("rdio");
constexpr FourCharCode kKindGrpb = MakeFourCharCode("grpb");
constexpr FourCharCode kKindLbox = MakeFourCharCode("lbox");
constexpr FourCharCode kKindPopb = MakeFourCharCode("popb");
constexpr FourCharCode kKindDatb = MakeFourCharCode("datb");
constexpr FourCharCode kKindStxt = MakeFourCharCode("stxt");
constexpr FourCharCode kKindEtxt = MakeFourCharCode("etxt");
constexpr FourCharCode kKindTabs = MakeFourCharCode("tabs");
constexpr FourCharCode kKindSldr = MakeFourCharCode("sldr");
constexpr FourCharCode kKindTbar = MakeFourCharCode("tbar");
constexpr FourCharCode kKindHead = MakeFourCharCode("head");
constexpr FourCharCode kKindPict = MakeFourCharCode("pict");
constexpr FourCharCode kKindHdem = MakeFourCharCode("hdem");  // container of a browser header
constexpr FourCharCode kKindSepa = MakeFourCharCode("sepa");  // toolbar separators
constexpr FourCharCode kKindSpce = MakeFourCharCode("spce");
constexpr FourCharCode kKindFlsp = MakeFourCharCode("flsp");
// Accepted by the value operations, produced by no classification.
constexpr FourCharCode kKindCgrp = MakeFourCharCode("cgrp");  // like cbox
constexpr FourCharCode kKindHitx = MakeFourCharCode("hitx");  // like etxt
constexpr FourCharCode kKindEutx = MakeFourCharCode("eutx");  // like etxt

}  // namespace tavrel
