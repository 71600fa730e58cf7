#include "edit_buffer.h"

#include <algorithm>

namespace {

bool IsWordDelimiter(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

int EditBuffer::Clamp(int index) const {
    return std::clamp(index, 0, static_cast<int>(text_.size()));
}

void EditBuffer::SetText(const std::string& text) {
    text_ = text;
    anchor_ = caret_ = 0;
    EmptyUndo();
}

void EditBuffer::Select(int anchor, int caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
}

void EditBuffer::Record(int position, const std::string& removed, int inserted, Change kind) {
    UndoRecord& last = undo_;
    const bool joins = last.valid && kind != Change::Other && last.kind == kind;
    if (joins && kind == Change::Typing && removed.empty() && position == last.position + last.inserted) {
        last.inserted += inserted;
        return;
    }
    if (joins && kind == Change::Backspace && inserted == 0 && last.inserted == 0 &&
        position + static_cast<int>(removed.size()) == last.position) {
        last.removed.insert(0, removed);
        last.position = position;
        return;
    }
    if (joins && kind == Change::Delete && inserted == 0 && last.inserted == 0 && position == last.position) {
        last.removed += removed;
        return;
    }
    undo_ = UndoRecord{true, position, removed, inserted, kind};
}

bool EditBuffer::ReplaceSelection(const std::string& text, Change kind) {
    const int start = selectionStart();
    const int end = selectionEnd();
    const int room = limit_ - (static_cast<int>(text_.size()) - (end - start));
    const std::string inserted = text.substr(0, static_cast<std::size_t>(std::max(room, 0)));
    if (start == end && inserted.empty()) return false;
    const std::string removed = text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    text_.replace(static_cast<std::size_t>(start), removed.size(), inserted);
    Record(start, removed, static_cast<int>(inserted.size()), kind);
    anchor_ = caret_ = start + static_cast<int>(inserted.size());
    return true;
}

bool EditBuffer::DeleteBackward() {
    if (!hasSelection()) {
        if (caret_ == 0) return false;
        anchor_ = caret_ - 1;
        return ReplaceSelection("", Change::Backspace);
    }
    return ReplaceSelection("", Change::Other);
}

bool EditBuffer::DeleteForward() {
    if (!hasSelection()) {
        if (caret_ == static_cast<int>(text_.size())) return false;
        anchor_ = caret_ + 1;
        std::swap(anchor_, caret_);  // the caret stays where it was
        return ReplaceSelection("", Change::Delete);
    }
    return ReplaceSelection("", Change::Other);
}

int EditBuffer::NextWordStart(int from) const {
    const int size = static_cast<int>(text_.size());
    int i = Clamp(from);
    while (i < size && !IsWordDelimiter(text_[static_cast<std::size_t>(i)])) ++i;
    while (i < size && IsWordDelimiter(text_[static_cast<std::size_t>(i)])) ++i;
    return i;
}

int EditBuffer::PreviousWordStart(int from) const {
    int i = Clamp(from);
    while (i > 0 && IsWordDelimiter(text_[static_cast<std::size_t>(i - 1)])) --i;
    while (i > 0 && !IsWordDelimiter(text_[static_cast<std::size_t>(i - 1)])) --i;
    return i;
}

void EditBuffer::SelectWordAt(int index) {
    const int size = static_cast<int>(text_.size());
    int start = Clamp(index);
    if (start == size && start > 0) --start;  // past the end: the last word
    if (size == 0) return Select(0, 0);
    if (IsWordDelimiter(text_[static_cast<std::size_t>(start)])) {
        // On white space: the run of it, back to the end of the word before.
        int end = start;
        while (start > 0 && IsWordDelimiter(text_[static_cast<std::size_t>(start - 1)])) --start;
        while (end < size && IsWordDelimiter(text_[static_cast<std::size_t>(end)])) ++end;
        return Select(start, end);
    }
    while (start > 0 && !IsWordDelimiter(text_[static_cast<std::size_t>(start - 1)])) --start;
    Select(start, NextWordStart(start));
}

bool EditBuffer::Undo() {
    if (!undo_.valid) return false;
    const UndoRecord done = undo_;
    const std::string inserted = text_.substr(static_cast<std::size_t>(done.position),
                                              static_cast<std::size_t>(done.inserted));
    text_.replace(static_cast<std::size_t>(done.position), inserted.size(), done.removed);
    // The record now describes the undo, so that undoing again redoes.
    undo_ = UndoRecord{true, done.position, inserted, static_cast<int>(done.removed.size()), Change::Other};
    Select(done.position, done.position + static_cast<int>(done.removed.size()));
    return true;
}
