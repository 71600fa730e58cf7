#ifndef PELVORO_PLATFORM_FLTK_MESSAGE_BOX_DIALOG_H
#define PELVORO_PLATFORM_FLTK_MESSAGE_BOX_DIALOG_H

class Fl_Window;

// Shows a modal box with the caption as its title, the text as written (line
// breaks kept, tabs expanded) and one OK button, centred on its owner, and
// returns once Enter, Escape, the close box or OK has ended it.
void RunMessageBoxDialog(Fl_Window* owner, const char* text, const char* caption);

#endif
