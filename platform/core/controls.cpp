// The EDIT, LISTBOX and BUTTON classes: what each control keeps and how it
// answers its messages.
#include <strings.h>

#include <algorithm>

#include "window_records.h"

namespace {

bool IsAutomatic(const PlatformWindow& button) {
    const DWORD type = button.style & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX;
}

// Automatic radio buttons form groups: from a sibling with WS_GROUP (or the
// first sibling) up to the next sibling with WS_GROUP.
void UncheckOthersInGroup(PlatformWindow* button) {
    const auto& siblings = button->parent->children;
    const auto self = std::find(siblings.begin(), siblings.end(), button);
    auto first = self;
    while (first != siblings.begin() && ((*first)->style & WS_GROUP) == 0) --first;
    for (auto it = first; it != siblings.end(); ++it) {
        PlatformWindow* sibling = *it;
        if (it != first && (sibling->style & WS_GROUP) != 0) break;
        if (sibling == button || sibling->kind != ControlKind::RadioButton) continue;
        if ((sibling->style & BS_TYPEMASK) != BS_AUTORADIOBUTTON || sibling->check == BST_UNCHECKED) continue;
        sibling->check = BST_UNCHECKED;
        Backend().CheckChanged(sibling);
    }
}

void ClickButton(PlatformWindow* button) {
    if ((button->style & WS_DISABLED) != 0 || button->kind == ControlKind::GroupBox) return;
    if (IsAutomatic(*button)) {
        if (button->kind == ControlKind::RadioButton) {
            button->check = BST_CHECKED;
            UncheckOthersInGroup(button);
        } else {
            button->check = button->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        }
    }
    // The widget may show a state of its own making: put ours back.
    Backend().CheckChanged(button);
    NotifyParent(button, BN_CLICKED);
}

}  // namespace

void NotifyParent(PlatformWindow* control, WORD code) {
    if (control->parent == nullptr) return;
    SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK EditProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* edit = LiveWindow(handle);
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
        NotifyParent(edit, EN_CHANGE);
        return result;
    }
    case WM_SETFOCUS:
        NotifyParent(edit, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyParent(edit, EN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

LRESULT CALLBACK ListBoxProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* list = LiveWindow(handle);
    auto& items = list->items;
    const int count = static_cast<int>(items.size());
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
        Backend().ListChanged(list);
        return index < 0 ? LB_ERR : index;
    case LB_GETCURSEL:
        return list->selection;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

LRESULT CALLBACK ButtonProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* button = LiveWindow(handle);
    const bool checkable = button->kind == ControlKind::RadioButton || button->kind == ControlKind::CheckBox;
    switch (message) {
    case BM_GETCHECK:
        return checkable ? button->check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (checkable) {
            button->check = wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
            Backend().CheckChanged(button);
        }
        return 0;
    case BM_CLICK:
        ClickButton(button);
        return 0;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

void OnUserEditedText(HWND handle, const char* text) {
    PlatformWindow* edit = LiveWindow(handle);
    if (edit == nullptr || edit->kind != ControlKind::Edit) return;
    edit->text = text != nullptr ? text : "";
    NotifyParent(edit, EN_CHANGE);
}

void OnUserSelectedEntry(HWND handle, int index) {
    PlatformWindow* list = LiveWindow(handle);
    if (list == nullptr || list->kind != ControlKind::ListBox) return;
    list->selection = index >= 0 && index < static_cast<int>(list->items.size()) ? index : LB_ERR;
    if ((list->style & LBS_NOTIFY) != 0) NotifyParent(list, LBN_SELCHANGE);
}

void OnUserClickedButton(HWND handle) {
    PlatformWindow* button = LiveWindow(handle);
    if (button != nullptr && button->windowClass->procedure == ButtonProcedure) ClickButton(button);
}
