#ifndef PELVORO_PLATFORM_FLTK_LIST_BOX_WIDGET_H
#define PELVORO_PLATFORM_FLTK_LIST_BOX_WIDGET_H

#include <windows.h>

#include <FL/Fl_Group.H>
#include <FL/Fl_Scrollbar.H>

// A list box on screen: the record's entries from its top index down, one
// whole entry a row, the selection and the focus rectangle, and a scroll bar
// that moves by entries. A press selects the entry under the mouse; the keys
// and the wheel reach the list box's procedure as messages.
class ListBoxWidget : public Fl_Group {
public:
    ListBoxWidget(HWND window, int x, int y, int width, int height);

    // Puts the record's entries, selection and scrolling on screen.
    void Mirror();
    static int ItemHeight();

    int handle(int event) override;

protected:
    void draw() override;

private:
    HWND window() const { return static_cast<HWND>(user_data()); }
    int IndexAt(int y) const;
    int TextWidth() const;

    Fl_Scrollbar scrollBar_;
};

#endif
