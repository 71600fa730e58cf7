#ifndef PELVORO_PLATFORM_FLTK_PROGRAM_ICON_H
#define PELVORO_PLATFORM_FLTK_PROGRAM_ICON_H

// The picture the desktop shows for a program's windows. A program built on
// the layer defines g_programIcon, as a Windows program carries its icon
// resource.
struct ProgramIcon {
    int width;
    int height;
    const unsigned char* rgba;  // rows from the top, four bytes a pixel
};

extern const ProgramIcon g_programIcon;

#endif
