#ifndef PELVORO_PLATFORM_FLTK_POPUP_MENU_H
#define PELVORO_PLATFORM_FLTK_POPUP_MENU_H

#include <vector>

#include "window_backend.h"

// Shows the menu with its top left corner at a screen position, in the
// default font, greyed entries that cannot be picked, lines for separators
// and the '&' letters underlined; returns the picked entry's id, 0 for none.
UINT RunPopupMenu(const std::vector<PopupMenuItem>& items, int screenX, int screenY);

#endif
