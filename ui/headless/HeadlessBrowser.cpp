// Tree browsers over the stand-in's windows: rows kept in pre-order with
// the owner's item ids, the selected row, and the notices a user's or the
// dialog's selection change sends.
#include "ui/Uwindow.h"

#include <algorithm>

#include "ui/MessageCodes.h"
#include "ui/TreeRules.h"
#include "ui/headless/FakeWindows.h"

namespace tavrel {

using headless::FakeWindow;
using headless::TreeRow;

namespace {

FakeWindow* BrowserWindow(Uwindow& dialog, std::uint32_t id) {
    const Ucontrol* control = dialog.controlById(id);
    if (control == nullptr || control->kind != kKindDatb) {
        return nullptr;
    }
    return headless::Lookup(control->window);
}

std::vector<TreeRow>::iterator FindRow(std::vector<TreeRow>& rows, std::uint32_t item) {
    return std::find_if(rows.begin(), rows.end(),
                        [item](const TreeRow& row) { return row.item == item; });
}

// One past the last row of item's subtree (item: an index into rows).
std::size_t SubtreeEnd(const std::vector<TreeRow>& rows, std::size_t item) {
    std::vector<std::uint32_t> inside{rows[item].item};
    std::size_t i = item + 1;
    for (; i < rows.size(); ++i) {
        if (std::find(inside.begin(), inside.end(), rows[i].container) == inside.end()) {
            break;
        }
        inside.push_back(rows[i].item);
    }
    return i;
}

}  // namespace

void Uwindow::setupBrowser(std::uint32_t id, const std::vector<BrowserColumn>&,
                           std::uint32_t options) {
    const int index = indexOfControl(id);
    if (index < 0 || controls[static_cast<std::size_t>(index)].kind != kKindDatb) {
        return;
    }
    Ucontrol& browser = controls[static_cast<std::size_t>(index)];
    browser.flags |= (options & kBrowserOptionMultiSelect) ? kBrowserMultiSelect : 0;
    browser.flags |= (options & kBrowserOptionHomogeneousDrag) ? kBrowserHomogeneousDrag : 0;
    if (index > 0 && controls[static_cast<std::size_t>(index) - 1].kind == kKindHead) {
        const std::uint32_t headId = controls[static_cast<std::size_t>(index) - 1].id;
        browser.flags |= kBrowserHasHeader;
        UcontrolPart frame;
        frame.kind = kKindHdem;
        frame.id = headId;
        UcontrolPart header;
        header.kind = kKindHead;
        header.id = headId + 10000;
        browser.parts.push_back(frame);
        browser.parts.push_back(header);
    }
}

bool Uwindow::insertItem(std::uint32_t id, std::uint32_t container, std::uint32_t item,
                         const UniversalString& text, int image) {
    FakeWindow* tree = BrowserWindow(*this, id);
    if (tree == nullptr || item == 0) {
        return false;
    }
    auto& rows = tree->rows;
    std::size_t at = rows.size();
    if (container != 0) {
        const auto parentRow = FindRow(rows, container);
        if (parentRow == rows.end()) {
            return false;
        }
        at = SubtreeEnd(rows, static_cast<std::size_t>(parentRow - rows.begin()));
    }
    TreeRow row;
    row.item = item;
    row.container = container;
    row.text.setText(text.text());
    row.image = image;
    rows.insert(rows.begin() + static_cast<long>(at), row);
    return true;
}

std::uint32_t Uwindow::selectedItem(std::uint32_t id) {
    const FakeWindow* tree = BrowserWindow(*this, id);
    return tree != nullptr ? tree->caret : 0;
}

void Uwindow::selectItem(std::uint32_t id, std::uint32_t item) {
    FakeWindow* tree = BrowserWindow(*this, id);
    if (tree == nullptr) {
        return;
    }
    const std::uint32_t next = FindRow(tree->rows, item) != tree->rows.end() ? item : 0;
    if (next == tree->caret) {
        return;
    }
    const std::uint32_t previous = tree->caret;
    tree->caret = next;
    DataBrowserNotice& notice = ItemNoticeBlock();
    WriteItemNotice(notice, HandleToWord(tree->handle), kItemSelectionChanged, previous, next);
    headless::SendNotice(tree->handle, notice, msg::kTvnSelChangedW);
}

void Uwindow::revealItem(std::uint32_t id, std::uint32_t item) {
    FakeWindow* tree = BrowserWindow(*this, id);
    if (tree == nullptr) {
        return;
    }
    // Scrolling into view opens the containers above the item.
    auto row = FindRow(tree->rows, item);
    while (row != tree->rows.end() && row->container != 0) {
        row = FindRow(tree->rows, row->container);
        if (row != tree->rows.end()) {
            row->expanded = true;
        }
    }
}

void Uwindow::openContainer(std::uint32_t id, std::uint32_t item, bool open) {
    FakeWindow* tree = BrowserWindow(*this, id);
    if (tree == nullptr) {
        return;
    }
    const auto row = FindRow(tree->rows, item);
    if (row != tree->rows.end()) {
        row->expanded = open;
    }
}

void Uwindow::removeItem(std::uint32_t id, std::uint32_t item) {
    FakeWindow* tree = BrowserWindow(*this, id);
    if (tree == nullptr) {
        return;
    }
    auto& rows = tree->rows;
    const auto row = FindRow(rows, item);
    if (row == rows.end()) {
        return;
    }
    const auto begin = static_cast<std::size_t>(row - rows.begin());
    const std::size_t end = SubtreeEnd(rows, begin);
    for (std::size_t i = begin; i < end; ++i) {
        if (rows[i].item == tree->caret) {
            tree->caret = 0;
        }
    }
    rows.erase(rows.begin() + static_cast<long>(begin), rows.begin() + static_cast<long>(end));
}

void Uwindow::removeAllItems(std::uint32_t id) {
    if (FakeWindow* tree = BrowserWindow(*this, id)) {
        tree->rows.clear();
        tree->caret = 0;
    }
}

}  // namespace tavrel
