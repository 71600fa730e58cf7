#ifndef PELVORO_CLI_CONVERTER_OPTIONS_H
#define PELVORO_CLI_CONVERTER_OPTIONS_H

#include "exact_rate.h"
#include "notation_conversion.h"

// What the command line asks for. With neither --from nor --to it is the
// window's conversion, with the window's presets: no rate selected, the
// first frame numbered 1.
struct ConverterOptions {
    enum class Action { Convert, ShowHelp, ShowVersion, UsageError };

    Action action = Action::Convert;
    Notation from = Notation::Time;
    Notation to = Notation::Frame;
    bool haveRate = false;
    ExactRate rate{};
    bool firstFrameZero = false;  // the window opens with "1" checked
    bool dropFrame = false;       // timecode output in drop-frame counting
    int firstTimeArgument = 0;    // argv index of the first VALUE; argc when none
    // For UsageError, the one line that says what is wrong (it names the
    // option or value); it lives until the next parse.
    const char* problem = nullptr;
};

// GNU conventions, by getopt_long: options come first, and the first
// argument that is not one, or what follows "--", starts the values.
ConverterOptions ParseConverterOptions(int argc, const char* const* argv);

// The request one value of the command line is converted with.
NotationRequest RequestOf(const ConverterOptions& options);

#endif
