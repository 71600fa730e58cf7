#include "converter_options.h"

#include <getopt.h>

#include <cstdio>
#include <cstring>

namespace {

enum OptionCode { kFps = 256, kFirst, kFrom, kTo, kDropFrame, kVersion };

const option kLongOptions[] = {
    {"fps", required_argument, nullptr, kFps},
    {"first", required_argument, nullptr, kFirst},
    {"from", required_argument, nullptr, kFrom},
    {"to", required_argument, nullptr, kTo},
    {"drop-frame", no_argument, nullptr, kDropFrame},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// "+": stop at the first value, so that a value is never taken for an
// option; ":": report a missing value apart from an unknown option.
constexpr char kShortOptions[] = "+:h";

const char* const kNotationNames[] = {"time", "frame", "timecode"};

bool FindNotation(const char* name, Notation* notation) {
    for (int i = 0; i < 3; ++i) {
        if (std::strcmp(kNotationNames[i], name) == 0) {
            *notation = static_cast<Notation>(i);
            return true;
        }
    }
    return false;
}

const char* NameOf(Notation notation) { return kNotationNames[static_cast<int>(notation)]; }

char g_problem[320];

ConverterOptions UsageError(ConverterOptions options, const char* format, const char* subject,
                            const char* more = "") {
    options.action = ConverterOptions::Action::UsageError;
    std::snprintf(g_problem, sizeof g_problem, format, subject, more);
    options.problem = g_problem;
    return options;
}

// getopt keeps its place in static state: an optind of 0 starts it afresh,
// in glibc's getopt and in the BSD one MinGW has alike.
void RestartGetopt() { optind = 0; }

// What the options ask for together, once all are read.
ConverterOptions CheckTogether(ConverterOptions options, const char* rateText) {
    const bool timecode = options.from == Notation::Timecode || options.to == Notation::Timecode;
    const bool timeToTimeOrFrame = options.from == Notation::Time && options.to != Notation::Timecode;
    if (!options.haveRate && !timeToTimeOrFrame) {
        return UsageError(options, "converting from '%s' to '%s' needs --fps", NameOf(options.from), NameOf(options.to));
    }
    if (timecode && !options.rate.timecode) {
        return UsageError(options, "the rate '%s' counts no timecode: it must be within 0.2%% of a whole number",
                          rateText);
    }
    if (options.dropFrame && options.to != Notation::Timecode) {
        return UsageError(options, "--drop-frame is for timecode output, not '%s'%s", NameOf(options.to));
    }
    if (options.dropFrame && !options.rate.dropFrame) {
        return UsageError(options, "the rate '%s' has no drop-frame counting%s", rateText);
    }
    return options;
}

}  // namespace

ConverterOptions ParseConverterOptions(int argc, const char* const* argv) {
    ConverterOptions options;
    const char* rateText = "";
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
            if (const char* problem = ParseExactRate(optarg, &options.rate)) {
                return UsageError(options, "'%s' %s", optarg, problem);
            }
            options.haveRate = true;
            rateText = optarg;
            break;
        case kFirst:
            if (std::strcmp(optarg, "0") != 0 && std::strcmp(optarg, "1") != 0) {
                return UsageError(options, "--first takes 0 or 1, not '%s'", optarg);
            }
            options.firstFrameZero = optarg[0] == '0';
            break;
        case kFrom:
        case kTo:
            if (!FindNotation(optarg, code == kFrom ? &options.from : &options.to)) {
                return UsageError(options, "'%s' is not time, frame or timecode", optarg);
            }
            break;
        case kDropFrame:
            options.dropFrame = true;
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
    return CheckTogether(options, rateText);
}

NotationRequest RequestOf(const ConverterOptions& options) {
    NotationRequest request;
    request.from = options.from;
    request.to = options.to;
    request.rate = options.haveRate ? &options.rate : nullptr;
    request.firstFrame = options.firstFrameZero ? 0 : 1;
    request.dropFrameOutput = options.dropFrame;
    return request;
}
