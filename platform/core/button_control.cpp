// The BUTTON class: push buttons, radio buttons, check boxes and group
// boxes, clicked by the mouse or by the Space key.
#include <algorithm>

#include "window_records.h"

namespace {

bool IsAutomatic(const PlatformWindow& button) {
    const DWORD type = button.style & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX;
}

bool IsCheckable(const PlatformWindow& button) {
    return button.kind == ControlKind::RadioButton || button.kind == ControlKind::CheckBox;
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

void SetPushed(PlatformWindow* button, bool pushed) {
    if (button->pushed == pushed) return;
    button->pushed = pushed;
    Backend().CheckChanged(button);
}

}  // namespace

LRESULT CALLBACK ButtonProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* button = LiveWindow(handle);
    switch (message) {
    case BM_GETCHECK:
        return IsCheckable(*button) ? button->check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (IsCheckable(*button)) {
            button->check = wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
            Backend().CheckChanged(button);
        }
        return 0;
    case BM_GETSTATE:
        return (IsCheckable(*button) ? button->check : 0) | (button->pushed ? BST_PUSHED : 0) |
               (GetFocus() == button ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(button, wParam != 0);
        return 0;
    case BM_CLICK:
        ClickButton(button);
        return 0;
    case WM_KEYDOWN:
        // Space pushes the button in; the click comes when it is released,
        // as with the mouse.
        if (wParam == VK_SPACE && button->kind != ControlKind::GroupBox) SetPushed(button, true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && button->pushed) {
            SetPushed(button, false);
            ClickButton(button);
        }
        return 0;
    case WM_KILLFOCUS:
        SetPushed(button, false);  // leaving a pushed button does not click it
        return 0;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

void OnUserClickedButton(HWND handle) {
    PlatformWindow* button = LiveWindow(handle);
    if (button != nullptr && button->windowClass->procedure == ButtonProcedure) ClickButton(button);
}
