// The LISTBOX class, single selection: its entries, the selection, the
// scrolling by whole entries, and its keys.
#include <strings.h>

#include <algorithm>
#include <cctype>

#include "window_records.h"

namespace {

int Count(const PlatformWindow* list) { return static_cast<int>(list->items.size()); }

// How many whole entries the list shows at once.
int PageSize(PlatformWindow* list) {
    const int itemHeight = std::max(Backend().ListItemHeight(list), 1);
    return std::max(list->height / itemHeight, 1);
}

void ScrollTo(PlatformWindow* list, int top) {
    list->topIndex = std::clamp(top, 0, std::max(Count(list) - PageSize(list), 0));
}

void ScrollIntoView(PlatformWindow* list, int index) {
    const int page = PageSize(list);
    if (index < list->topIndex) {
        ScrollTo(list, index);
    } else if (index >= list->topIndex + page) {
        ScrollTo(list, index - page + 1);
    }
}

// A selection made by the user, who is told of it with LBS_NOTIFY.
void SelectByUser(PlatformWindow* list, int index) {
    if (index < 0 || index >= Count(list)) return;
    const bool changed = list->selection != index;
    list->selection = index;
    list->caretIndex = index;
    ScrollIntoView(list, index);
    Backend().ListChanged(list);
    if (changed && (list->style & LBS_NOTIFY) != 0) NotifyParent(list, LBN_SELCHANGE);
}

void OnKeyDown(PlatformWindow* list, UINT key) {
    const int count = Count(list);
    if (count == 0) return;
    const int caret = list->caretIndex;
    const int step = std::max(PageSize(list) - 1, 1);
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        return SelectByUser(list, std::max(caret - 1, 0));
    case VK_DOWN:
    case VK_RIGHT:
        return SelectByUser(list, std::min(caret + 1, count - 1));
    case VK_HOME:
        return SelectByUser(list, 0);
    case VK_END:
        return SelectByUser(list, count - 1);
    case VK_PRIOR:
        return SelectByUser(list, std::max(caret - step, 0));
    case VK_NEXT:
        return SelectByUser(list, std::min(caret + step, count - 1));
    default:
        return;
    }
}

// A typed character selects the next entry after the current one that
// starts with it, wrapping around.
void OnChar(PlatformWindow* list, unsigned char character) {
    const int count = Count(list);
    if (count == 0 || character < 0x20) return;
    const int wanted = std::tolower(character);
    for (int offset = 1; offset <= count; ++offset) {
        const int index = (list->caretIndex + offset) % count;
        const std::string& item = list->items[static_cast<std::size_t>(index)];
        if (!item.empty() && std::tolower(static_cast<unsigned char>(item[0])) == wanted) {
            return SelectByUser(list, index);
        }
    }
}

void OnWheel(PlatformWindow* list, WPARAM wParam) {
    // Three entries a notch, as the system's default, but never more than a page.
    const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
    const int lines = std::min(3, PageSize(list));
    ScrollTo(list, list->topIndex - notches * lines);
    Backend().ListChanged(list);
}

}  // namespace

LRESULT CALLBACK ListBoxProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* list = LiveWindow(handle);
    auto& items = list->items;
    const int count = Count(list);
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const char* text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
        int at = count;
        if (message == LB_INSERTSTRING) {
            if (index > count) return LB_ERR;
            if (index >= 0) at = index;
        } else if ((list->style & LBS_SORT) != 0) {
            at = static_cast<int>(std::upper_bound(items.begin(), items.end(), text,
                                                   [](const char* a, const std::string& b) {
                                                       return strcasecmp(a, b.c_str()) < 0;
                                                   }) -
                                  items.begin());
        }
        items.insert(items.begin() + at, text);
        if (list->selection >= at) ++list->selection;
        Backend().ListChanged(list);
        return at;
    }
    case LB_RESETCONTENT:
        items.clear();
        list->selection = LB_ERR;
        list->caretIndex = 0;
        list->topIndex = 0;
        Backend().ListChanged(list);
        return 0;
    case LB_GETCOUNT:
        return count;
    case LB_GETTEXTLEN:
        return index >= 0 && index < count ? static_cast<LRESULT>(items[index].size()) : LB_ERR;
    case LB_GETTEXT:
        if (index < 0 || index >= count || lParam == 0) return LB_ERR;
        items[index].copy(reinterpret_cast<char*>(lParam), items[index].size());
        reinterpret_cast<char*>(lParam)[items[index].size()] = '\0';
        return static_cast<LRESULT>(items[index].size());
    case LB_SETCURSEL:
        if (index >= count) return LB_ERR;
        list->selection = index < 0 ? LB_ERR : index;
        if (index >= 0) {
            list->caretIndex = index;
            ScrollIntoView(list, index);
        }
        Backend().ListChanged(list);
        return index < 0 ? LB_ERR : index;
    case LB_GETCURSEL:
        return list->selection;
    case LB_GETCARETINDEX:
        return list->caretIndex;
    case LB_GETTOPINDEX:
        return list->topIndex;
    case LB_SETTOPINDEX:
        if (index < 0 || index >= std::max(count, 1)) return LB_ERR;
        ScrollTo(list, index);
        Backend().ListChanged(list);
        return 0;
    case LB_GETITEMHEIGHT:
        return Backend().ListItemHeight(list);
    case WM_KEYDOWN:
        OnKeyDown(list, static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(list, static_cast<unsigned char>(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(list, wParam);
        return 0;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

void OnUserSelectedEntry(HWND handle, int index) {
    PlatformWindow* list = LiveWindow(handle);
    if (list == nullptr || list->kind != ControlKind::ListBox) return;
    SelectByUser(list, index);
}

void OnUserScrolledList(HWND handle, int topIndex) {
    PlatformWindow* list = LiveWindow(handle);
    if (list == nullptr || list->kind != ControlKind::ListBox) return;
    ScrollTo(list, topIndex);
    Backend().ListChanged(list);
}
