#ifndef PELVORO_CLI_CONVERTER_OPTIONS_H
#define PELVORO_CLI_CONVERTER_OPTIONS_H

#include "conversion_request.h"

// What the command line asks for: the same three inputs the window holds
// (time, selected rate, first-frame button), with the window's presets.
struct ConverterOptions {
    enum class Action { Convert, ShowHelp, ShowVersion, UsageError };

    Action action = Action::Convert;
    int rateIndex = kNoRateSelected;  // as when the window opens
    bool firstFrameZero = false;      // the window opens with "1" checked
    int firstTimeArgument = 0;        // argv index of the first TIME; argc when none
    // For UsageError, the one line that says what is wrong (it names the
    // option or value); it lives until the next parse.
    const char* problem = nullptr;
};

// GNU conventions, by getopt_long: options come first, and the first
// argument that is not one, or what follows "--", starts the times.
ConverterOptions ParseConverterOptions(int argc, const char* const* argv);

#endif
