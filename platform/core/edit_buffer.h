#ifndef PELVORO_PLATFORM_CORE_EDIT_BUFFER_H
#define PELVORO_PLATFORM_CORE_EDIT_BUFFER_H

#include <string>

// What a single-line edit control holds: its text, the selection (an anchor
// and the caret, which may stand on either side of it), the text limit and
// the control's single-level undo.
class EditBuffer {
public:
    // The documented default limit of an edit control.
    static constexpr int kDefaultLimit = 32767;

    // How a change may join the one before it in the undo record: typing
    // extends a run of typing, Backspace and Delete a run of their own.
    enum class Change { Typing, Backspace, Delete, Other };

    const std::string& text() const { return text_; }
    int anchor() const { return anchor_; }
    int caret() const { return caret_; }
    int selectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    int selectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool hasSelection() const { return anchor_ != caret_; }
    int limit() const { return limit_; }

    // WM_SETTEXT: the whole text, the caret at its start, nothing to undo.
    void SetText(const std::string& text);
    void SetLimit(int limit) { limit_ = limit > 0 ? limit : kDefaultLimit; }

    // Both ends are clamped to the text; the caret is the end that moves.
    void Select(int anchor, int caret);
    void MoveCaret(int to, bool extendSelection) { Select(extendSelection ? anchor_ : to, to); }

    // Replaces the selection, cutting what exceeds the limit. Returns whether
    // the text changed.
    bool ReplaceSelection(const std::string& text, Change kind);
    bool DeleteBackward();  // Backspace: the selection, or the character before the caret
    bool DeleteForward();   // Delete: the selection, or the character after it

    // The default word breaks of an edit control: words are runs of
    // characters other than white space.
    int NextWordStart(int from) const;
    int PreviousWordStart(int from) const;
    // A double click: the word at the index together with the white space after it.
    void SelectWordAt(int index);

    bool CanUndo() const { return undo_.valid; }
    // Takes back the last change; undoing again puts it back.
    bool Undo();
    void EmptyUndo() { undo_ = UndoRecord{}; }

private:
    struct UndoRecord {
        bool valid = false;
        int position = 0;      // where the change began
        std::string removed;   // what it took out
        int inserted = 0;      // how many characters it put in at position
        Change kind = Change::Other;
    };

    int Clamp(int index) const;
    void Record(int position, const std::string& removed, int inserted, Change kind);

    std::string text_;
    int anchor_ = 0;
    int caret_ = 0;
    int limit_ = kDefaultLimit;
    UndoRecord undo_;
};

#endif
