// The EDIT class, single-line: typing, the caret and selection keys, the
// clipboard, the single-level undo and the context menu.
#include <algorithm>

#include "window_records.h"

namespace {

bool ReadOnly(const PlatformWindow* edit) { return (edit->style & ES_READONLY) != 0; }
bool Held(int key) { return GetKeyState(key) < 0; }

// After the text changed: the record, the screen and the parent hear of it.
void TextEdited(PlatformWindow* edit) {
    edit->text = edit->edit.text();
    Backend().TextChanged(edit);
    NotifyParent(edit, EN_CHANGE);
}

void Replace(PlatformWindow* edit, const std::string& text, EditBuffer::Change kind) {
    if (ReadOnly(edit)) return;
    if (edit->edit.ReplaceSelection(text, kind)) {
        TextEdited(edit);
    } else if (!text.empty()) {
        NotifyParent(edit, EN_MAXTEXT);
    }
}

void OnChar(PlatformWindow* edit, unsigned char character) {
    EditBuffer& buffer = edit->edit;
    switch (character) {
    case '\b':
        if (!ReadOnly(edit) && buffer.DeleteBackward()) TextEdited(edit);
        return;
    case 0x03:  // Ctrl+C
        SendMessageA(edit, WM_COPY, 0, 0);
        return;
    case 0x16:  // Ctrl+V
        SendMessageA(edit, WM_PASTE, 0, 0);
        return;
    case 0x18:  // Ctrl+X
        SendMessageA(edit, WM_CUT, 0, 0);
        return;
    case 0x1A:  // Ctrl+Z
        SendMessageA(edit, WM_UNDO, 0, 0);
        return;
    default:
        // Enter, Tab, Escape and the other control characters type nothing
        // in a single-line box (Ctrl+A among them: it selects nothing).
        if (character < 0x20 || character == 0x7F) return;
        Replace(edit, std::string(1, static_cast<char>(character)), EditBuffer::Change::Typing);
    }
}

void OnKeyDown(PlatformWindow* edit, UINT key) {
    EditBuffer& buffer = edit->edit;
    const bool shift = Held(VK_SHIFT);
    const bool control = Held(VK_CONTROL);
    switch (key) {
    case VK_LEFT:
        buffer.MoveCaret(control ? buffer.PreviousWordStart(buffer.caret()) : buffer.caret() - 1, shift);
        break;
    case VK_RIGHT:
        buffer.MoveCaret(control ? buffer.NextWordStart(buffer.caret()) : buffer.caret() + 1, shift);
        break;
    case VK_HOME:
        buffer.MoveCaret(0, shift);
        break;
    case VK_END:
        buffer.MoveCaret(static_cast<int>(buffer.text().size()), shift);
        break;
    case VK_DELETE:
        if (shift && !control) {
            SendMessageA(edit, WM_CUT, 0, 0);
        } else if (!ReadOnly(edit) && buffer.DeleteForward()) {
            TextEdited(edit);
        }
        return;
    case VK_INSERT:
        if (control && !shift) SendMessageA(edit, WM_COPY, 0, 0);
        if (shift && !control) SendMessageA(edit, WM_PASTE, 0, 0);
        return;
    default:
        return;
    }
    Backend().SelectionChanged(edit);
}

void Copy(PlatformWindow* edit) {
    const EditBuffer& buffer = edit->edit;
    if (!buffer.hasSelection()) return;
    Backend().SetClipboardText(buffer.text().substr(static_cast<std::size_t>(buffer.selectionStart()),
                                                    static_cast<std::size_t>(buffer.selectionEnd() -
                                                                             buffer.selectionStart())));
}

LRESULT SetSelection(PlatformWindow* edit, WPARAM wParam, LPARAM lParam) {
    EditBuffer& buffer = edit->edit;
    const int start = static_cast<int>(static_cast<INT_PTR>(wParam));
    const int end = static_cast<int>(lParam);
    if (start == -1) {
        buffer.Select(buffer.caret(), buffer.caret());  // -1 takes the selection away
    } else {
        buffer.Select(start, end == -1 ? static_cast<int>(buffer.text().size()) : end);
    }
    Backend().SelectionChanged(edit);
    return 0;
}

void ShowContextMenu(PlatformWindow* edit, LPARAM position) {
    if (GetFocus() != edit) SetFocus(edit);
    const EditBuffer& buffer = edit->edit;
    const bool writable = !ReadOnly(edit);
    const bool selection = buffer.hasSelection();
    const int length = static_cast<int>(buffer.text().size());
    const std::vector<PopupMenuItem> items{
        {"&Undo", WM_UNDO, writable && buffer.CanUndo()},
        {nullptr, 0, false},
        {"Cu&t", WM_CUT, writable && selection},
        {"&Copy", WM_COPY, selection},
        {"&Paste", WM_PASTE, writable && Backend().ClipboardHasText()},
        {"&Delete", WM_CLEAR, writable && selection},
        {nullptr, 0, false},
        {"Select &All", EM_SETSEL, buffer.selectionStart() != 0 || buffer.selectionEnd() != length},
    };
    const UINT chosen = Backend().TrackPopupMenu(edit, items, GET_X_LPARAM(position), GET_Y_LPARAM(position));
    if (chosen == EM_SETSEL) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
    } else if (chosen != 0) {
        SendMessageA(edit, chosen, 0, 0);
    }
}

}  // namespace

LRESULT CALLBACK EditProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* edit = LiveWindow(handle);
    EditBuffer& buffer = edit->edit;
    switch (message) {
    case WM_SETTEXT: {
        // Set by the program, the text takes no account of the limit and
        // leaves nothing to undo.
        const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
        buffer.SetText(edit->text);
        Backend().SelectionChanged(edit);
        NotifyParent(edit, EN_CHANGE);
        return result;
    }
    case WM_CHAR:
        OnChar(edit, static_cast<unsigned char>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(edit, static_cast<UINT>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_BACK) {  // Alt+Backspace
            SendMessageA(handle, WM_UNDO, 0, 0);
            return 0;
        }
        return DefWindowProcA(handle, message, wParam, lParam);
    case WM_COPY:
        Copy(edit);
        return 0;
    case WM_CUT:
        if (ReadOnly(edit) || !buffer.hasSelection()) return 0;
        Copy(edit);
        Replace(edit, "", EditBuffer::Change::Other);
        return 0;
    case WM_PASTE:
        if (!ReadOnly(edit)) Backend().RequestClipboardText(edit);
        return 0;
    case WM_CLEAR:
        if (buffer.hasSelection()) Replace(edit, "", EditBuffer::Change::Other);
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        if (ReadOnly(edit) || !buffer.Undo()) return FALSE;
        TextEdited(edit);
        Backend().SelectionChanged(edit);
        return TRUE;
    case EM_CANUNDO:
        return buffer.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        buffer.EmptyUndo();
        return 0;
    case EM_GETSEL: {
        const auto start = static_cast<DWORD>(buffer.selectionStart());
        const auto end = static_cast<DWORD>(buffer.selectionEnd());
        if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = end;
        return MAKELONG(start, end);
    }
    case EM_SETSEL:
        return SetSelection(edit, wParam, lParam);
    case EM_SETLIMITTEXT:
        // Zero asks for the largest limit a single-line box has.
        buffer.SetLimit(wParam == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)));
        return 0;
    case EM_GETLIMITTEXT:
        return buffer.limit();
    case WM_CONTEXTMENU:
        ShowContextMenu(edit, lParam);
        return 0;
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

void OnUserSelectedText(HWND handle, int anchor, int caret) {
    PlatformWindow* edit = LiveWindow(handle);
    if (edit == nullptr || edit->kind != ControlKind::Edit) return;
    edit->edit.Select(anchor, caret);
    Backend().SelectionChanged(edit);
}

void OnUserDoubleClickedText(HWND handle, int index) {
    PlatformWindow* edit = LiveWindow(handle);
    if (edit == nullptr || edit->kind != ControlKind::Edit) return;
    edit->edit.SelectWordAt(index);
    Backend().SelectionChanged(edit);
}

void OnClipboardTextArrived(HWND handle, const char* text) {
    PlatformWindow* edit = LiveWindow(handle);
    if (edit == nullptr || edit->kind != ControlKind::Edit || text == nullptr) return;
    // A single-line box takes the clipboard's first line.
    std::string line(text);
    line.erase(std::min(line.find_first_of("\r\n"), line.size()));
    if (!line.empty()) Replace(edit, line, EditBuffer::Change::Other);
}
