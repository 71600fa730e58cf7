#include "converter_options.h"

#include <cstring>

#include "conversion_request.h"
#include "frame_rates.h"

namespace {

int FindRateLabel(const char* label) {
    for (int i = 0; i < g_frameRateCount; ++i) {
        if (std::strcmp(g_frameRateLabels[i], label) == 0) return i;
    }
    return kNoRateSelected;
}

ConverterOptions UsageError(ConverterOptions options, const char* problem, const char* offending) {
    options.action = ConverterOptions::Action::UsageError;
    options.problem = problem;
    options.offending = offending;
    return options;
}

}  // namespace

ConverterOptions ParseConverterOptions(int argc, const char* const* argv) {
    ConverterOptions options;
    int i = 1;
    // Options come first; the first argument that is not one starts the
    // times, so a time is never mistaken for an option's value.
    for (; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0) {
            ++i;
            break;
        }
        if (std::strcmp(arg, "--help") == 0) {
            options.action = ConverterOptions::Action::ShowHelp;
            return options;
        }
        if (std::strcmp(arg, "--fps") == 0) {
            if (i + 1 == argc) return UsageError(options, "--fps needs a rate label", nullptr);
            options.rateIndex = FindRateLabel(argv[++i]);
            if (options.rateIndex == kNoRateSelected) {
                return UsageError(options, "not one of the rate labels", argv[i]);
            }
            continue;
        }
        if (std::strcmp(arg, "--first") == 0) {
            if (i + 1 == argc) return UsageError(options, "--first needs 0 or 1", nullptr);
            const char* value = argv[++i];
            if (std::strcmp(value, "0") != 0 && std::strcmp(value, "1") != 0) {
                return UsageError(options, "--first takes 0 or 1", value);
            }
            options.firstFrameZero = value[0] == '0';
            continue;
        }
        if (arg[0] == '-' && arg[1] != '\0') return UsageError(options, "unknown option", arg);
        break;
    }
    options.firstTimeArgument = i;
    return options;
}
