// What tree browsers, toolbars and rich edits tell a toolkit dialog through
// WM_NOTIFY: item notices for the owner, Shift/Ctrl click selection, drag
// and drop with a drag image and autoscroll, keyboard commands, tooltip
// texts and rich-edit editing keys.
#include "ui/win32/WinToolkit.h"
// Rich-edit types need the base types WinToolkit.h brings.
#include <richedit.h>

#include <windowsx.h>

#include <vector>

#include "ui/BindingRules.h"
#include "ui/EventRules.h"
#include "ui/KeyRules.h"
#include "ui/TextRules.h"
#include "ui/TreeRules.h"

namespace tavrel {
namespace {

HIMAGELIST dragImage = nullptr;
// The drop target as the toolkit set it. Some tree views keep reporting a
// drop target after it was cleared while no item is selected, so the drop
// reads this rather than asking the control.
HTREEITEM dropTarget = nullptr;

void SetDropTarget(HWND tree, HTREEITEM item) {
    TreeView_SelectDropTarget(tree, item);
    if (item == nullptr && dropTarget != nullptr) {
        TreeView_SetItemState(tree, dropTarget, 0, TVIS_DROPHILITED);
    }
    dropTarget = item;
}

// A browser event: class cntl, kind 1, the notice, and the tree's record.
void FillBrowserEvent(Uwindow& dialog, Uevent& event, HWND tree, DataBrowserNotice* notice) {
    event.eventClass = kEventCntl;
    event.kind = kKindControlUsed;
    event.param = notice;
    if (const Ucontrol* bound = dialog.controlByWindow(Handle(tree))) {
        event.control = *bound;
    } else {
        buildControl(Handle(tree), event.control);
    }
}

void ItemNotice(Uwindow& dialog, Uevent& event, const NMHDR& header, std::uint32_t message) {
    std::uint32_t item = 0;
    std::uint32_t extra = 0;
    if (message != kItemDoubleClicked) {
        const auto& tree = reinterpret_cast<const NMTREEVIEWW&>(header);
        if (message == kItemSelectionChanged) {
            item = static_cast<std::uint32_t>(tree.itemOld.lParam);
            extra = static_cast<std::uint32_t>(tree.itemNew.lParam);
        } else {
            message = ExpandedItemMessage(tree.action);
            item = static_cast<std::uint32_t>(tree.itemNew.lParam);
        }
    }
    DataBrowserNotice& notice = ItemNoticeBlock();
    WriteItemNotice(notice, HandleToWord(Handle(header.hwndFrom)), message, item, extra);
    FillBrowserEvent(dialog, event, header.hwndFrom, &notice);
}

std::vector<TreeItemRef> Siblings(HWND tree, HTREEITEM item) {
    std::vector<TreeItemRef> siblings;
    const HTREEITEM parent = TreeView_GetParent(tree, item);
    for (HTREEITEM i = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
         i != nullptr; i = TreeView_GetNextSibling(tree, i)) {
        siblings.push_back(reinterpret_cast<TreeItemRef>(i));
    }
    return siblings;
}

void Click(Uwindow& dialog, HWND tree) {
    const Ucontrol* browser = dialog.controlByWindow(Handle(tree));
    const DWORD position = GetMessagePos();
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(tree, &point);
    TVHITTESTINFO hit{};
    hit.pt = point;
    TreeView_HitTest(tree, &hit);
    const HTREEITEM caret = TreeView_GetSelection(tree);
    const ClickPlan plan =
        PlanClick(GetAsyncKeyState(VK_SHIFT) < 0, GetAsyncKeyState(VK_CONTROL) < 0,
                  browser != nullptr && (browser->flags & kBrowserMultiSelect) != 0,
                  reinterpret_cast<TreeItemRef>(caret), reinterpret_cast<TreeItemRef>(hit.hItem),
                  point.x, hit.hItem ? Siblings(tree, hit.hItem) : std::vector<TreeItemRef>());
    if (plan.clearCaret) {
        TreeView_SelectItem(tree, nullptr);
    }
    if (plan.clearAllStates) {
        for (HTREEITEM i = nextItem(tree, TVI_ROOT, true); i; i = nextItem(tree, i, true)) {
            TreeView_SetItemState(tree, i, 0, TVIS_SELECTED);
        }
    }
    if (plan.toggle != 0) {
        const auto item = reinterpret_cast<HTREEITEM>(plan.toggle);
        const UINT state = TreeView_GetItemState(tree, item, TVIS_SELECTED);
        TreeView_SetItemState(tree, item, state ^ TVIS_SELECTED, TVIS_SELECTED);
    }
    for (TreeItemRef item : plan.select) {
        TreeView_SetItemState(tree, reinterpret_cast<HTREEITEM>(item), TVIS_SELECTED,
                              TVIS_SELECTED);
    }
}

bool BeginDrag(Uwindow& dialog, Uevent& event, const NMTREEVIEWW& drag) {
    const HWND tree = drag.hdr.hwndFrom;
    const Ucontrol* browser = dialog.controlByWindow(Handle(tree));
    if (browser == nullptr) {
        return false;
    }
    std::vector<bool> containers;
    for (HTREEITEM i = nextItem(tree, TVI_ROOT, true); i; i = nextItem(tree, i, true)) {
        if (isSelected(tree, i)) {
            containers.push_back(TreeView_GetChild(tree, i) != nullptr);
        }
    }
    const DragStart start =
        PlanDragStart(containers, (browser->flags & kBrowserHomogeneousDrag) != 0);
    if (!start.allowed) {
        return false;
    }
    if (dragImage != nullptr) {
        ImageList_Destroy(dragImage);
    }
    dragImage = TreeView_CreateDragImage(tree, drag.itemNew.hItem);
    dropTarget = nullptr;
    ImageList_BeginDrag(dragImage, 0, 0, 0);
    ImageList_DragEnter(tree, drag.ptDrag.x, drag.ptDrag.y);
    SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
    SetCapture(Hwnd(dialog.window));
    dialog.dragSource = Handle(tree);
    dialog.dragItem = static_cast<std::uint32_t>(drag.itemNew.lParam);
    dialog.flags = (dialog.flags & ~(kWindowDragging | kWindowDragContainers)) | start.windowFlags;
    DataBrowserNotice& notice = ItemNoticeBlock();
    notice = DataBrowserNotice();
    notice.control = HandleToWord(Handle(tree));
    notice.noticeKind = kNoticeDragStarted;
    notice.item = dialog.dragItem;
    FillBrowserEvent(dialog, event, tree, &notice);
    return true;
}

void EndDragVisuals(HWND tree) {
    ImageList_EndDrag();
    if (dragImage != nullptr) {
        ImageList_Destroy(dragImage);
        dragImage = nullptr;
    }
    if (tree != nullptr) {
        SetDropTarget(tree, nullptr);
    }
    dropTarget = nullptr;
    ReleaseCapture();
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

void TreeKey(Uwindow& dialog, Uevent& event, const NMHDR& header) {
    const auto& key = reinterpret_cast<const NMTVKEYDOWN&>(header);
    FillBrowserEvent(dialog, event, header.hwndFrom, nullptr);
    event.command = TreeKeyCommand(key.wVKey, CurrentModifiers());
    if (event.command != 0) {
        event.eventClass = kEventCmds;
        event.kind = kKindCommand;
    } else {
        event.eventClass = 0;
        event.kind = 0;
    }
}

void Tooltip(Uwindow& dialog, NMHDR& header) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    Ucontrol* toolbar = FindToolbar(dialog.controls);
    const UcontrolPart* button =
        toolbar ? ToolbarButton(*toolbar, static_cast<std::uint32_t>(header.idFrom)) : nullptr;
    if (button != nullptr) {
        CopyTooltipText(button->tooltip, reinterpret_cast<char16_t*>(info.szText),
                        kTooltipBufferLength);
        info.lpszText = info.szText;
        info.uFlags |= TTF_DI_SETITEM;
    }
}

// True when the key was an editing key the toolkit did itself.
bool EditingKey(Uwindow& dialog, Uevent& event, const NMHDR& header) {
    const auto& filter = reinterpret_cast<const MSGFILTER&>(header);
    if (filter.msg != WM_KEYUP) {
        return false;
    }
    const Ucontrol* notifier = dialog.controlByWindow(Handle(header.hwndFrom));
    const RichEditKey rule =
        RichEditKeyRule(static_cast<std::uint32_t>(filter.wParam), CurrentModifiers(),
                        notifier != nullptr && notifier->kind == kKindDatb);
    static const UINT kMessages[] = {0, EM_SETSEL, WM_COPY, WM_PASTE, WM_CUT};
    if (rule.action != EditAction::None) {
        const UINT message = kMessages[static_cast<int>(rule.action)];
        SendMessageW(header.hwndFrom, message, 0, message == EM_SETSEL ? -1 : 0);
        return true;
    }
    if (rule.command != 0) {
        event.eventClass = kEventCmds;
        event.kind = kKindCommand;
        event.command = rule.command;
        buildControl(Handle(header.hwndFrom), event.control);
    }
    return false;
}

}  // namespace

bool HandleNotify(Uwindow& dialog, Uevent& event, NMHDR& header, LRESULT& result) {
    result = 0;
    const NotifyRule rule = RuleForNotification(header.code);
    switch (rule.action) {
        case NotifyAction::ItemNotice:
            ItemNotice(dialog, event, header, rule.itemMessage);
            return false;
        case NotifyAction::BeginDrag:
            // A refused drag is swallowed; a started one goes to the owner.
            return !BeginDrag(dialog, event, reinterpret_cast<const NMTREEVIEWW&>(header));
        case NotifyAction::Click:
            Click(dialog, header.hwndFrom);
            return false;
        case NotifyAction::TreeKey:
            TreeKey(dialog, event, header);
            return false;
        case NotifyAction::Tooltip:
            Tooltip(dialog, header);
            return true;
        case NotifyAction::RichEditKey:
            return EditingKey(dialog, event, header);
        case NotifyAction::None:
            break;
    }
    return false;
}

void DragMove(Uwindow& dialog, POINT point) {
    const HWND tree = Hwnd(dialog.dragSource);
    if (tree == nullptr) {
        return;
    }
    MapWindowPoints(Hwnd(dialog.window), tree, &point, 1);
    ImageList_DragMove(point.x, point.y);
    ImageList_DragShowNolock(FALSE);
    TVHITTESTINFO hit{};
    hit.pt = point;
    TreeView_HitTest(tree, &hit);
    RECT client{0, 0, 0, 0};
    GetClientRect(tree, &client);
    const bool overDragged = hit.hItem != nullptr && itemId(tree, hit.hItem) == dialog.dragItem;
    const DragFeedback f = PlanDragMove(point.x, point.y, client.right, client.bottom, overDragged);
    if (f.setTarget) {
        SetDropTarget(tree, hit.hItem);
    } else if (f.clearTarget) {
        SetDropTarget(tree, nullptr);
    }
    SetCursor(LoadCursorA(nullptr, f.forbidden ? IDC_NO : IDC_ARROW));
    if (f.scroll != 0) {
        SendMessageW(tree, WM_VSCROLL, f.scroll < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    ImageList_DragShowNolock(TRUE);
}

bool Drop(Uwindow& dialog, POINT point, Uevent& event) {
    dialog.flags &= ~(kWindowDragging | kWindowDragContainers);
    const HWND tree = Hwnd(dialog.dragSource);
    const HTREEITEM target = tree ? dropTarget : nullptr;
    DataBrowserNotice& notice = DropNoticeBlock();
    notice = DataBrowserNotice();
    notice.control = HandleToWord(dialog.dragSource);
    notice.noticeKind = kNoticeDrop;
    notice.extra = dialog.dragItem;
    RECT client{0, 0, 0, 0};
    if (tree != nullptr) {
        MapWindowPoints(Hwnd(dialog.window), tree, &point, 1);
        GetClientRect(tree, &client);
    }
    const DropResult drop = EvaluateDrop(target != nullptr, itemId(tree, target), point.x, point.y,
                                         client.right, client.bottom);
    notice.item = drop.item;
    EndDragVisuals(tree);
    if (!drop.valid || tree == nullptr) {
        return false;
    }
    FillBrowserEvent(dialog, event, tree, &notice);
    return true;
}

void CancelDrag(Uwindow& dialog) {
    EndDragVisuals(Hwnd(dialog.dragSource));
    // The drag is over: later pointer moves must not track it any more.
    dialog.flags &= ~(kWindowDragging | kWindowDragContainers);
}

}  // namespace tavrel
