#include "converter_options.h"

#include <getopt.h>

#include <cstdio>
#include <cstring>

#include "conversion_request.h"
#include "frame_rates.h"

namespace {

enum OptionCode { kFps = 256, kFirst, kVersion };

const option kLongOptions[] = {
    {"fps", required_argument, nullptr, kFps},
    {"first", required_argument, nullptr, kFirst},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// "+": stop at the first time, so that a time is never taken for an
// option; ":": report a missing value apart from an unknown option.
constexpr char kShortOptions[] = "+:h";

int FindRateLabel(const char* label) {
    for (int i = 0; i < g_frameRateCount; ++i) {
        if (std::strcmp(g_frameRateLabels[i], label) == 0) return i;
    }
    return kNoRateSelected;
}

char g_problem[320];

ConverterOptions UsageError(ConverterOptions options, const char* format, const char* subject) {
    options.action = ConverterOptions::Action::UsageError;
    std::snprintf(g_problem, sizeof g_problem, format, subject);
    options.problem = g_problem;
    return options;
}

// getopt keeps its place in static state: an optind of 0 starts it afresh,
// in glibc's getopt and in the BSD one MinGW has alike.
void RestartGetopt() { optind = 0; }

}  // namespace

ConverterOptions ParseConverterOptions(int argc, const char* const* argv) {
    ConverterOptions options;
    RestartGetopt();
    opterr = 0;  // the messages are ours, the same on every platform
    // getopt_long does not change argv when it stops at the first non-option.
    char* const* args = const_cast<char* const*>(argv);
    for (;;) {
        const int before = optind;
        const int code = getopt_long(argc, args, kShortOptions, kLongOptions, nullptr);
        if (code == -1) break;
        switch (code) {
        case 'h':
            options.action = ConverterOptions::Action::ShowHelp;
            return options;
        case kVersion:
            options.action = ConverterOptions::Action::ShowVersion;
            return options;
        case kFps:
            options.rateIndex = FindRateLabel(optarg);
            if (options.rateIndex == kNoRateSelected) {
                return UsageError(options, "'%s' is not one of the rates of --fps", optarg);
            }
            break;
        case kFirst:
            if (std::strcmp(optarg, "0") != 0 && std::strcmp(optarg, "1") != 0) {
                return UsageError(options, "--first takes 0 or 1, not '%s'", optarg);
            }
            options.firstFrameZero = optarg[0] == '0';
            break;
        case ':':
            return UsageError(options, "option '%s' needs a value", argv[optind - 1]);
        default: {
            // An unknown long option is the argument read; an unknown short
            // one, its letter.
            if (optopt != 0) {
                char letter[3] = {'-', static_cast<char>(optopt), '\0'};
                return UsageError(options, "unknown option '%s'", letter);
            }
            return UsageError(options, "unknown option '%s'", argv[optind > before ? optind - 1 : before]);
        }
        }
    }
    options.firstTimeArgument = optind;
    return options;
}
