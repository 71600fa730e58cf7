// The yardstick for start-up time: FLTK alone, with widgets like the
// converter's nine controls and its three labels, and nothing else.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>

#include <initializer_list>

int main() {
    Fl_Double_Window window(394, 385, "Bare FLTK");
    Fl_Box time(30, 33, 40, 16, "time");
    Fl_Input timeBox(80, 28, 220, 28);
    Fl_Hold_Browser rates(80, 72, 145, 46);
    for (const char* label : {"23.976", "24", "29.97", "30", "59.94", "60", "119.88", "120"}) rates.add(label);
    Fl_Box fps(250, 78, 30, 16, "fps");
    Fl_Box group(80, 134, 256, 54, "Num of 1st frame");
    group.box(FL_ENGRAVED_FRAME);
    group.align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
    Fl_Round_Button zero(160, 158, 36, 20, "0");
    Fl_Round_Button one(240, 158, 36, 20, "1");
    one.value(1);
    Fl_Button convert(150, 204, 116, 36, "convert");
    Fl_Input frameBox(80, 256, 220, 28);
    Fl_Box frame(315, 260, 40, 16, "frame");
    Fl_Button about(50, 314, 80, 34, "About");
    Fl_Button quit(270, 314, 80, 34, "Quit");
    window.end();
    window.show();
    return Fl::run();
}
