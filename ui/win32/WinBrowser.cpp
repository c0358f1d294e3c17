// Tree browsers over a tree-view control: set-up with the standard images,
// background colour and optional header; adding, selecting, revealing,
// opening and removing items by the owner's ids; and the item walk.
#include "ui/Uwindow.h"

#include "ui/TreeRules.h"
#include "ui/win32/WinToolkit.h"

namespace tavrel {
namespace {

constexpr COLORREF kBrowserBackground = 0xFDFFF0;
constexpr int kHeaderHeight = 20;

HWND BrowserWindow(Uwindow& dialog, std::uint32_t id) {
    const Ucontrol* control = dialog.controlById(id);
    return control != nullptr && control->kind == kKindDatb ? Hwnd(control->window) : nullptr;
}

// The walk over a tree view's items, as the portable pre-order rule wants.
struct TreeViewWalk {
    using Item = HTREEITEM;
    HWND tree;
    HTREEITEM firstChild(HTREEITEM item) const {
        return item == TVI_ROOT ? TreeView_GetRoot(tree) : TreeView_GetChild(tree, item);
    }
    HTREEITEM nextSibling(HTREEITEM item) const { return TreeView_GetNextSibling(tree, item); }
    HTREEITEM parent(HTREEITEM item) const { return TreeView_GetParent(tree, item); }
    bool isRoot(HTREEITEM item) const { return item == TVI_ROOT; }
};

// Adds one of the system shell's icons; any icon of the same meaning
// serves where it has none, so the positions stay.
void AddShellIcon(HIMAGELIST images, int id) {
    static HMODULE shell = LoadLibraryW(L"shell32.dll");
    if (HICON icon = shell ? static_cast<HICON>(LoadImageW(shell, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                           16, 16, LR_DEFAULTCOLOR))
                           : nullptr) {
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
        return;
    }
    ImageList_AddIcon(
        images, static_cast<HICON>(LoadImageA(nullptr, id <= 5 ? IDI_WINLOGO : IDI_APPLICATION,
                                              IMAGE_ICON, 16, 16, LR_SHARED)));
}

void InstallStandardImages(HWND tree, HINSTANCE module, std::uint32_t options) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 3);
    const int third = (options & kBrowserOptionAltItemImage) ? 274 : 152;
    for (int id : {4, 5, third}) {
        AddShellIcon(images, id);
    }
    for (int id : {10, 11}) {
        if (HICON icon = static_cast<HICON>(
                LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR))) {
            ImageList_AddIcon(images, icon);
            DestroyIcon(icon);
        }
    }
    AddShellIcon(images, 155);
    TreeView_SetImageList(tree, images, TVSIL_NORMAL);
}

void CreateHeader(Uwindow& dialog, Ucontrol& browser, std::uint32_t headId,
                  const std::vector<BrowserColumn>& columns) {
    const HWND tree = Hwnd(browser.window);
    RECT r{0, 0, 0, 0};
    GetWindowRect(tree, &r);
    MapWindowPoints(nullptr, Hwnd(dialog.window), reinterpret_cast<POINT*>(&r), 2);
    const auto module = static_cast<HINSTANCE>(dialog.module);
    HWND frame =
        CreateWindowExW(0, L"Static", nullptr, WS_CHILD | WS_VISIBLE, r.left, r.top - kHeaderHeight,
                        r.right - r.left, kHeaderHeight, Hwnd(dialog.window),
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(headId)), module, nullptr);
    HWND header = CreateWindowExW(
        0, WC_HEADERW, nullptr, WS_CHILD | WS_VISIBLE | WS_DISABLED | HDS_FULLDRAG | HDS_NOSIZING,
        0, 0, r.right - r.left + 2000, kHeaderHeight, frame,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(headId + 10000)), module, nullptr);
    SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    UcontrolPart framePart;
    framePart.window = Handle(frame);
    framePart.id = headId;
    framePart.kind = kKindHdem;
    UcontrolPart headerPart;
    headerPart.window = Handle(header);
    headerPart.id = headId + 10000;
    headerPart.kind = kKindHead;
    browser.parts.push_back(framePart);
    browser.parts.push_back(headerPart);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::u16string title = columns[i].title.text();
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.fmt = HDF_STRING;
        item.pszText = reinterpret_cast<LPWSTR>(title.data());
        item.cxy = i + 1 == columns.size() ? 1000 : columns[i].width;
        SendMessageW(header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

}  // namespace

std::uint32_t itemId(HWND tree, HTREEITEM item) {
    TVITEMW data{};
    data.mask = TVIF_HANDLE | TVIF_PARAM;
    data.hItem = item;
    if (item == nullptr || !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) {
        return 0;
    }
    return static_cast<std::uint32_t>(data.lParam);
}

HTREEITEM nextItem(HWND tree, HTREEITEM item, bool descend) {
    return NextTreeItem(TreeViewWalk{tree}, item, descend);
}

HTREEITEM findItem(HWND tree, std::uint32_t id) {
    for (HTREEITEM item = nextItem(tree, TVI_ROOT, true); item != nullptr;
         item = nextItem(tree, item, true)) {
        if (itemId(tree, item) == id) {
            return item;
        }
    }
    return nullptr;
}

bool isSelected(HWND tree, HTREEITEM item) {
    return (TreeView_GetItemState(tree, item, TVIS_SELECTED) & TVIS_SELECTED) != 0 ||
           item == TreeView_GetSelection(tree);
}

void Uwindow::setupBrowser(std::uint32_t id, const std::vector<BrowserColumn>& columns,
                           std::uint32_t options) {
    const int index = indexOfControl(id);
    if (index < 0 || controls[static_cast<std::size_t>(index)].kind != kKindDatb) {
        return;
    }
    Ucontrol& browser = controls[static_cast<std::size_t>(index)];
    const HWND tree = Hwnd(browser.window);
    if ((browser.flags & kBrowserNoStandardImages) == 0 && tree != nullptr) {
        InstallStandardImages(tree, static_cast<HINSTANCE>(module), options);
    }
    browser.flags |= (options & kBrowserOptionMultiSelect) ? kBrowserMultiSelect : 0;
    browser.flags |= (options & kBrowserOptionHomogeneousDrag) ? kBrowserHomogeneousDrag : 0;
    if (tree != nullptr) {
        TreeView_SetBkColor(tree, kBrowserBackground);
    }
    const Ucontrol* before = index > 0 ? &controls[static_cast<std::size_t>(index) - 1] : nullptr;
    if (before != nullptr && before->kind == kKindHead && tree != nullptr) {
        browser.flags |= kBrowserHasHeader;
        CreateHeader(*this, browser, before->id, columns);
    }
}

bool Uwindow::insertItem(std::uint32_t id, std::uint32_t container, std::uint32_t item,
                         const UniversalString& text, int image) {
    const HWND tree = BrowserWindow(*this, id);
    if (tree == nullptr || item == 0) {
        return false;
    }
    HTREEITEM parentItem = TVI_ROOT;
    if (container != 0 && (parentItem = findItem(tree, container)) == nullptr) {
        return false;
    }
    std::u16string units = text.text();
    TVINSERTSTRUCTW insert{};
    insert.hParent = parentItem;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = reinterpret_cast<LPWSTR>(units.data());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = static_cast<LPARAM>(item);
    return SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)) != 0;
}

std::uint32_t Uwindow::selectedItem(std::uint32_t id) {
    const HWND tree = BrowserWindow(*this, id);
    return tree != nullptr ? itemId(tree, TreeView_GetSelection(tree)) : 0;
}

void Uwindow::selectItem(std::uint32_t id, std::uint32_t item) {
    if (const HWND tree = BrowserWindow(*this, id)) {
        TreeView_SelectItem(tree, findItem(tree, item));
    }
}

void Uwindow::revealItem(std::uint32_t id, std::uint32_t item) {
    const HWND tree = BrowserWindow(*this, id);
    if (HTREEITEM found = tree ? findItem(tree, item) : nullptr) {
        TreeView_EnsureVisible(tree, found);
    }
}

void Uwindow::openContainer(std::uint32_t id, std::uint32_t item, bool open) {
    const HWND tree = BrowserWindow(*this, id);
    if (HTREEITEM found = tree ? findItem(tree, item) : nullptr) {
        TreeView_Expand(tree, found, open ? TVE_EXPAND : TVE_COLLAPSE);
    }
}

void Uwindow::removeItem(std::uint32_t id, std::uint32_t item) {
    const HWND tree = BrowserWindow(*this, id);
    if (HTREEITEM found = tree ? findItem(tree, item) : nullptr) {
        TreeView_DeleteItem(tree, found);
    }
}

void Uwindow::removeAllItems(std::uint32_t id) {
    if (const HWND tree = BrowserWindow(*this, id)) {
        TreeView_DeleteItem(tree, TVI_ROOT);
    }
}

}  // namespace tavrel
