#include "popup_menu.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>

#include "default_font.h"

UINT RunPopupMenu(const std::vector<PopupMenuItem>& items, int screenX, int screenY) {
    std::vector<Fl_Menu_Item> menu;
    for (const PopupMenuItem& item : items) {
        if (item.text == nullptr) {
            // FLTK draws a separator as a line under the entry before it.
            if (!menu.empty()) menu.back().flags |= FL_MENU_DIVIDER;
            continue;
        }
        Fl_Menu_Item entry{};
        entry.text = item.text;
        entry.argument(static_cast<long>(item.id));
        entry.flags = item.enabled ? 0 : FL_MENU_INACTIVE;
        entry.labelfont_ = kDefaultFont;
        entry.labelsize_ = kDefaultFontSize;
        menu.push_back(entry);
    }
    if (menu.empty()) return 0;
    menu.push_back(Fl_Menu_Item{});
    // FLTK places a popup relative to the window of the last event.
    const int x = screenX - (Fl::event_x_root() - Fl::event_x());
    const int y = screenY - (Fl::event_y_root() - Fl::event_y());
    const Fl_Menu_Item* picked = menu.front().popup(x, y);
    return picked != nullptr ? static_cast<UINT>(picked->argument()) : 0;
}
