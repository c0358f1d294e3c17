#!/usr/bin/env python3
"""Deliberate small faults in the product, and whether the native tests see them.

Each fault is one exact text substitution in one product file. The script
copies the committed tree plus the working changes into a scratch folder
(never touching the worktree), builds the native preset there once, then for
each fault: applies it, rebuilds incrementally, runs ctest, records caught or
missed, and puts the file back. It is a tool for judging the tests, not a
test: nothing runs it during `make test`.

    tests/scripts/mutants.py [--scratch DIR] [--as-is] [--only ID ...] [--list] [--check]

Exit status 0 when every fault was caught, 1 when one was missed or did not
build, 2 for a bad command line.
"""

import argparse
import os
import shutil
import subprocess
import sys
import time

# (id, file, exact text, replacement, what the fault is)
FAULTS = [
    # text/
    ("restart", "text/SearchCore.h",
     "            s += j + 1;  // restart after the failing unit",
     "            s += 1;",
     "plain Find restarts one unit on instead of after the failing one"),
    ("ww-right", "text/SearchCore.h",
     "(out.empty() || Rules::Boundary(out.back())) &&\n"
     "                                              (s + m == n || Rules::Boundary(text[s + m])))",
     "(out.empty() || Rules::Boundary(out.back())))",
     "whole-word replace drops the boundary test after the match"),
    ("case-flip", "text/PlainSearch.cpp",
     "return (options & MATCH_CASE) == 0 && ToLower(a)",
     "return (options & MATCH_CASE) != 0 && ToLower(a)",
     "case-blind comparison only when Match Case is on"),
    ("boundary-punct", "text/PlainSearch.cpp",
     "return IsSpace(ch) || IsPunct(ch);",
     "return IsSpace(ch);",
     "punctuation no longer ends a whole word"),
    ("code-bound", "text/Inserts.cpp",
     "if (value == 0 || value > 0x7FFFFFFFu || (value & 0xFFFF) == 0)",
     "if (value == 0 || (value & 0xFFFF) == 0)",
     "typed character code above 0x7FFFFFFF accepted"),
    ("shorthand-swap", "text/Inserts.cpp",
     '{u"^S", u"\\u0017"},      {u"^s", u"\\u0014"},',
     '{u"^S", u"\\u0014"},      {u"^s", u"\\u0017"},',
     "^S and ^s shorthands give each other's symbol"),
    ("nfx-offset", "text/StyleCommands.cpp",
     "style.effects = static_cast<std::uint16_t>(ReadCommandNumber(text, p + 5));",
     "style.effects = static_cast<std::uint16_t>(ReadCommandNumber(text, p + 6));",
     "effects argument read one character late"),
    ("runs-last", "text/StyleRun.cpp",
     "for (int j = first + 1; j <= last; ++j) {",
     "for (int j = first + 1; j < last; ++j) {",
     "combined style of a match ignores its last run"),
    ("run-end", "text/StyledReplace.cpp",
     "runs.back().runEnd = static_cast<std::int32_t>(i) - 1;",
     "runs.back().runEnd = static_cast<std::int32_t>(i);",
     "a style run ends on the caret of the next command"),
    ("sjis-share", "text/DynString.cpp",
     "return pairs * 20 > s.size() * 3;",
     "return pairs * 20 >= s.size() * 3;",
     "8-bit key: exactly 15 % Shift-JIS pairs counts as double-byte text"),
    ("lessnocase", "text/UniversalString.cpp",
     "            return a < b;",
     "            return a > b;",
     "case-blind ordering reversed"),
    # host/
    ("rule-value", "host/RecordAccess.cpp",
     "{layout::kSossTag, 22, Action::kSet, layout::kVersion5, nullptr},",
     "{layout::kSossTag, 22, Action::kSet, layout::kVersion6, nullptr},",
     "version rule: 22-byte SOSS gets the wrong version"),
    ("raise-flip", "host/RecordAccess.cpp",
     "return version < rule.version ? rule.version : version;",
     "return version > rule.version ? rule.version : version;",
     "raise-to rule lowers instead"),
    ("zeroed-load", "host/RecordAccess.cpp",
     "    std::memset(buffer, 0, zeroed);\n",
     "",
     "the bytes a partial load is judged by are not cleared first"),
    ("text-zero", "host/TypedRecords.cpp",
     "const auto units = static_cast<std::uint32_t>(text.size() + 1);",
     "const auto units = static_cast<std::uint32_t>(text.size());",
     "saved text loses its terminator (size one short)"),
    ("field8-bound", "host/FixedFields.cpp",
     "text.size() < fieldSize ? text.size() : fieldSize - 1;",
     "text.size() < fieldSize ? text.size() : fieldSize;",
     "fixed 8-bit field written without room for its zero"),
    ("window-offset", "host/HostCallbacks.cpp",
     "layout::ReadU16(record, kWindowInfoDocumentOffset)",
     "layout::ReadU16(record, kWindowInfoDocumentOffset + 2)",
     "window-info document read at the wrong offset"),
    ("edit-nesting", "host/HostCallbacks.cpp",
     "    if (s.editOpen) {\n        return 0;\n    }\n    auto fn = Bound<HX_StartNotavoEdit_UTF16_t>",
     "    auto fn = Bound<HX_StartNotavoEdit_UTF16_t>",
     "a second edit opens while one is open"),
    ("artic-offset", "host/RecordLayout.h",
     "{12, 16, 26, 28, 0x4}",
     "{12, 16, 18, 28, 0x4}",
     "second articulation slot's size at the wrong offset"),
    # search/ (engine)
    ("everywhere", "search/Engine.cpp",
     "        options |= SR_ALL_CATEGORIES;\n",
     "",
     "Search Everywhere no longer means every category"),
    ("order-swap", "search/Engine.cpp",
     "engine::SearchTextBlocks,      engine::SearchLyrics,",
     "engine::SearchLyrics,      engine::SearchTextBlocks,",
     "lyrics searched before text blocks"),
    ("fileinfo-plain", "search/CategoriesTexts.cpp",
     "SearchTextRecords(ctx, info.number, layout::kFileInfoText, ctx.options | SR_PLAIN_TEXT);",
     "SearchTextRecords(ctx, info.number, layout::kFileInfoText, ctx.options);",
     "file info keeps style commands a replacement brings"),
    ("repeat-save", "search/CategoriesStyles.cpp",
     "textSaved = SaveTextRecord(layout::kRepeatText, key, text);",
     "textSaved = true;",
     "repeat text counted but never saved"),
    ("off-bits", "search/RecordStyle.cpp",
     "return offBits_ == 0 || (item.bits & offBits_) == 0;",
     "return true;",
     "record filter ignores the effects that must be off"),
    ("last-page", "search/CategoriesBlocks.cpp",
     "for (int page = 0; page <= pages; ++page) {",
     "for (int page = 0; page < pages; ++page) {",
     "text blocks of the last page skipped"),
    ("name-prefix", "search/StaffStyleName.cpp",
     "if (out.size() + piece.size() > maxBytes) {",
     "if (out.size() + piece.size() >= maxBytes) {",
     "staff-style name cut one byte short"),
    ("window-of", "search/DocumentList.cpp",
     "if (info.document == document) {",
     "if (info.document != document) {",
     "a document gets another document's window"),
    ("fault-endedit", "search/ReplaceAll.cpp",
     "            host::RedrawMusic();\n        }\n        host::EndEdit();\n        result.completed = false;",
     "            host::RedrawMusic();\n        }\n        result.completed = false;",
     "the edit stays open after a failure inside Replace All"),
    ("blocker", "search/RequestRules.cpp",
     "if (searchText.empty() && !replaceText.empty()) {",
     "if (searchText.empty() && replaceText.empty()) {",
     "replacement without a search text not refused"),
    # search/dialogs/
    ("size-largest", "search/dialogs/StyleFields.cpp",
     "if (value > layout::kLargestSize) {",
     "if (value >= layout::kLargestSize) {",
     "size field refuses the largest size"),
    ("box-off", "search/dialogs/StyleFields.cpp",
     "        style.effects &= without;\n        style.effectsMask |= bit;\n    }",
     "        style.effects &= without;\n    }",
     "an effect box turned off stops asking for the effect to be off"),
    ("all-docs-box", "search/dialogs/MainDialogRules.cpp",
     "if (windowCount <= 1) {",
     "if (windowCount < 1) {",
     "All Documents box enabled with one window"),
    ("doc-fonts", "search/dialogs/StyleFields.cpp",
     "if (name.empty() || !editingSearchStyle) {",
     "if (name.empty() || editingSearchStyle) {",
     "document fonts listed for the wrong style"),
    # strings/
    ("fallback", "strings/Dictionary.cpp",
     "return fallback == language ? nullptr : FindContent(fallback);",
     "return nullptr;",
     "a missing language no longer falls back to the default"),
    ("lang-attr", "strings/ResourceStrings.cpp",
     'const char* language = element.Attribute("language");',
     'const char* language = element.Attribute("lang");',
     "the language attribute of a string is not read"),
    # plugin/
    ("menu-swap", "plugin/MenuItem.cpp",
     "WriteText(kMenuText2Offset, menuText);",
     "WriteText(kMenuText2Offset, undoText);",
     "second menu text field gets the undo text"),
    ("enum-index", "plugin/EntryPoints.cpp",
     "if (index != 0 || item == nullptr) {",
     "if (index < 0 || item == nullptr) {",
     "a second menu item described besides the one there is"),
    ("non-flip", "plugin/model/StyleDescription.cpp",
     "if ((style.effects & effect.bit) == 0) {",
     "if ((style.effects & effect.bit) != 0) {",
     "style description says non- for effects that are on"),
    # ui/ (portable)
    ("shift-tab", "ui/KeyRules.cpp",
     "return modifiers.shift ? FilterAction::PreviousTab : FilterAction::NextTab;",
     "return modifiers.shift ? FilterAction::NextTab : FilterAction::PreviousTab;",
     "Tab and Shift-Tab swapped"),
    ("shift-run", "ui/TreeRules.cpp",
     "plan.select.assign(hitAt + 1, caretAt + 1);",
     "plan.select.assign(hitAt, caretAt + 1);",
     "shift-click run includes the clicked item twice"),
    ("thumb", "ui/ControlKinds.cpp",
     "if (height < width) {",
     "if (height > width) {",
     "slider thumb on the wrong axis"),
    ("collapse", "ui/EventRules.cpp",
     "return (action & 0x3) == msg::kTveCollapse ? kItemClosed : kItemOpened;",
     "return (action & 0x3) == msg::kTveCollapse ? kItemOpened : kItemClosed;",
     "tree open and close notices swapped"),
    ("anchor", "ui/LayoutRules.cpp",
     "if ((flags & kLayoutHorizontalResizes) == 0) {",
     "if ((flags & kLayoutHorizontalResizes) != 0) {",
     "a resizing control moves instead of growing"),
    ("tooltip-bound", "ui/TextRules.cpp",
     "std::min(wide.length(), capacity - 1);",
     "std::min(wide.length(), capacity);",
     "tooltip copy leaves no room for its zero"),
    # sim/ score codec
    ("int-max", "sim/codec/ScoreJson.cpp",
     "if (number > max) {",
     "if (number >= max) {",
     "score reader refuses a field's largest value"),
    ("column", "sim/codec/ScoreJson.cpp",
     "            ++line;\n            column = 1;",
     "            ++line;\n            column = 0;",
     "syntax errors after line 1 give a column one short"),
    ("pages", "sim/codec/ScoreReader.cpp",
     "for (std::uint32_t n = 1; n <= count; ++n) {",
     "for (std::uint32_t n = 1; n < count; ++n) {",
     "score reader makes one page too few"),
    ("style-read", "sim/codec/ScoreSections.cpp",
     'L::WriteU16(record.data(), size,\n                static_cast<std::uint16_t>(IntegerField(style, pointer, "size", k16)));',
     'L::WriteU16(record.data(), size,\n                static_cast<std::uint16_t>(IntegerField(style, pointer, "bits", k16)));',
     "score reader takes a style's bits for its size"),
    ("blank-pages", "sim/codec/ScoreWriter.cpp",
     "if (page == nullptr || *page != Bytes(L::page::kSize, 0)) {",
     "if (page == nullptr) {",
     "a page record with data saved as a blank page"),
    # sim/ simulated host
    ("create-key", "sim/host/SimulatorRecords.cpp",
     "std::uint32_t first = last ? static_cast<std::uint32_t>(last->first) + 1 : 1;",
     "std::uint32_t first = last ? static_cast<std::uint32_t>(last->first) : 1;",
     "a created record overwrites the last one"),
    ("unbalanced-end", "sim/host/Simulator.cpp",
     "const std::int16_t result = event.unbalanced ? 0 : 1;",
     "const std::int16_t result = 1;",
     "an end of edit without a start succeeds"),
    ("save-size", "sim/host/SimulatorRecords.cpp",
     "    if (fixed && size != *fixed) {\n        return Finish(call, 0, \"size\");",
     "    if (fixed && size > *fixed) {\n        return Finish(call, 0, \"size\");",
     "simulated host accepts a short fixed-size record"),
    # sim/ command line
    ("exit-status", "sim/cli/Commands.cpp",
     "? kExitFailed : kExitUsage;",
     "? kExitUsage : kExitFailed;",
     "score that does not load gives the wrong exit status"),
    ("size-zero", "sim/cli/ReplaceOptions.cpp",
     "if (value < 1 || value > layout::kLargestSize) {",
     "if (value < 0 || value > layout::kLargestSize) {",
     "style size 0 accepted on the command line"),
    ("in-twice", "sim/cli/ReplaceOptions.cpp",
     "if ((everywhere && s.everywhere) || (s.boxes & bit) != 0) {",
     "if (everywhere && s.everywhere) {",
     "a category named twice is not refused"),
    # platform/
    ("utf8-surrogate", "platform/CodePage_posix.cpp",
     "if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {",
     "if (cp < min || cp > 0x10FFFF) {",
     "an encoded surrogate accepted as UTF-8"),
    ("surrogate", "platform/CodePage_posix.cpp",
     "result += static_cast<char16_t>(0xD800 + (cp >> 10));",
     "result += static_cast<char16_t>(0xD800 + (cp >> 11));",
     "high surrogate of a pair computed from the wrong bits"),
    ("ansi-high", "platform/CodePage_posix.cpp",
     "if (b >= 0x80 && b < 0xA0) {",
     "if (b >= 0x80 && b < 0x9F) {",
     "byte 0x9F decodes as a control, not as its letter"),
]


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


def copy_tree(source, scratch):
    """The tracked files as they are in the worktree, into scratch."""
    files = run(["git", "ls-files", "-z"], source).stdout.split("\0")
    for name in files:
        if not name or not os.path.isfile(os.path.join(source, name)):
            continue
        target = os.path.join(scratch, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target) or open(target, "rb").read() != open(
                os.path.join(source, name), "rb").read():
            # A fresh modification time, so the scratch build sees the change.
            shutil.copyfile(os.path.join(source, name), target)
            shutil.copymode(os.path.join(source, name), target)


def check(tree):
    bad = 0
    for fid, path, old, _new, _what in FAULTS:
        count = open(os.path.join(tree, path), encoding="utf-8").read().count(old)
        if count != 1:
            print(f"{fid}: {path}: the text occurs {count} times, not once")
            bad += 1
    return bad == 0


def build(scratch, jobs):
    return run(["cmake", "--build", "build/native", "-j", str(jobs)], scratch)


def try_fault(scratch, fault, jobs):
    fid, path, old, new, _what = fault
    full = os.path.join(scratch, path)
    original = open(full, encoding="utf-8").read()
    try:
        with open(full, "w", encoding="utf-8") as f:
            f.write(original.replace(old, new, 1))
        if build(scratch, jobs).returncode != 0:
            return "no-build", ""
        try:
            tests = run(["ctest", "--test-dir", "build/native", "--timeout", "120",
                         "-E", "char-tables"], scratch, timeout=900)
        except subprocess.TimeoutExpired:
            return "caught", "(hung)"
        failed = [line.split(" - ")[1].split()[0] for line in tests.stdout.splitlines()
                  if line.strip()[:1].isdigit() and " - " in line]
        return ("caught" if tests.returncode != 0 else "MISSED"), " ".join(failed)
    finally:
        with open(full, "w", encoding="utf-8") as f:
            f.write(original)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = os.path.abspath(os.path.join(here, "..", ".."))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scratch", default="/tmp/lexora-mutants")
    parser.add_argument("--only", nargs="*", default=[])
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="print the faults and stop")
    parser.add_argument("--check", action="store_true", help="check each text occurs once")
    parser.add_argument("--as-is", action="store_true",
                        help="use the scratch tree as it stands instead of copying the worktree")
    args = parser.parse_args()

    if args.list:
        for fid, path, _old, _new, what in FAULTS:
            print(f"{fid:16} {path:34} {what}")
        return 0
    if not check(args.scratch if args.as_is else source):
        return 2
    if args.check:
        return 0
    chosen = [f for f in FAULTS if not args.only or f[0] in args.only]
    if args.only and len(chosen) != len(args.only):
        print("unknown fault id among: " + " ".join(args.only), file=sys.stderr)
        return 2

    os.makedirs(args.scratch, exist_ok=True)
    if not args.as_is:
        copy_tree(source, args.scratch)
    if not os.path.exists(os.path.join(args.scratch, "build/native/build.ninja")):
        run(["cmake", "--preset", "native"], args.scratch)
    first = build(args.scratch, args.jobs)
    if first.returncode != 0:
        print(first.stdout[-3000:])
        return 2
    base = run(["ctest", "--test-dir", "build/native"], args.scratch)
    if base.returncode != 0:
        print("the unchanged tree fails its tests:\n" + base.stdout[-3000:])
        return 2

    missed = 0
    for fault in chosen:
        start = time.time()
        result, where = try_fault(args.scratch, fault, args.jobs)
        missed += result != "caught"
        print(f"{fault[0]:16} {result:8} {time.time() - start:5.0f}s  {fault[4]}"
              + (f"  [{where}]" if where else ""), flush=True)
    build(args.scratch, args.jobs)  # leave the scratch build matching its sources
    print(f"{len(chosen) - missed} of {len(chosen)} caught")
    return 0 if missed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
