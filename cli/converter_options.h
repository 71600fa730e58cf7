#ifndef PELVORO_CLI_CONVERTER_OPTIONS_H
#define PELVORO_CLI_CONVERTER_OPTIONS_H

#include "conversion_request.h"

// What the command line asks for: the same three inputs the window holds
// (time, selected rate, first-frame button), with the window's presets.
struct ConverterOptions {
    enum class Action { Convert, ShowHelp, UsageError };

    Action action = Action::Convert;
    int rateIndex = kNoRateSelected;  // as when the window opens
    bool firstFrameZero = false;      // the window opens with "1" checked
    int firstTimeArgument = 0;   // argv index of the first TIME; argc when none
    const char* problem = nullptr;   // for UsageError: what is wrong ...
    const char* offending = nullptr; // ... and the argument it is about, if any
};

ConverterOptions ParseConverterOptions(int argc, const char* const* argv);

#endif
