// pelvoro-convert: the window's convert command for scripts. Each time text,
// from the arguments or one per line of standard input, gives one line of
// output: the frame text, or "error: " and the message the window would show.

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "conversion_request.h"
#include "converter_options.h"
#include "frame_rates.h"
#include "line_reader.h"
#include "output_buffer.h"
#include "pelvoro_version.h"
#include "time_text_parser.h"

namespace {

constexpr int kStatusAllConverted = 0;
constexpr int kStatusSomeFailed = 1;
constexpr int kStatusUsageError = 2;
constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

void PrintHelp(std::FILE* stream) {
    std::fputs(
        "Usage: pelvoro-convert [OPTION]... [--] [TIME]...\n"
        "Converts playing times such as 1:02:03.5 to frame numbers, one line of\n"
        "output for each TIME, or for each line of standard input when no TIME is\n"
        "given. A time that cannot be converted gives \"error: \" and the reason.\n"
        "\n"
        "  --fps=RATE      the frame rate, one of:",
        stream);
    for (int i = 0; i < g_frameRateCount; ++i) std::fprintf(stream, " %s", g_frameRateLabels[i]);
    std::fputs(
        "\n"
        "                  (without it no rate is selected and every time fails)\n"
        "  --first=0|1     the number of the first frame (default 1)\n"
        "  -h, --help      display this help and exit\n"
        "      --version   output version information and exit\n"
        "\n"
        "Options come before the times; \"--\" ends them.\n"
        "\n"
        "Example: pelvoro-convert --fps=29.97 0:10 prints 300.700.\n"
        "\n"
        "Exit status: 0 when every time converted, 1 when any failed or output\n"
        "could not be written, 2 for a usage error.\n",
        stream);
}

void PrintVersion(std::FILE* stream) {
    std::fputs("pelvoro-convert (Pelvoro) " PELVORO_VERSION "\n" PELVORO_COPYRIGHT "\n"
               "License MIT: <https://opensource.org/license/mit>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n",
               stream);
}

// Writes a text to standard output as any other output is: a failure to
// write it is the program's failure.
int WriteInformation(void (*print)(std::FILE*), const char* what) {
    print(stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "pelvoro-convert: cannot write the %s: %s\n", what, std::strerror(errno));
        return kStatusSomeFailed;
    }
    return kStatusAllConverted;
}

class Converter {
public:
    Converter(const ConverterOptions& options, OutputBuffer& output)
        : options_(options), output_(output) {}

    void Convert(const char* timeText) {
        // The frame text is written straight into the output, its line
        // ending after it.
        char* room = output_.Reserve(kFrameTextCapacity + 1);
        char discarded[kFrameTextCapacity];
        int length = 0;
        const char* error = RunConversionInto(timeText, options_.rateIndex, options_.firstFrameZero,
                                              room != nullptr ? room : discarded, &length);
        if (error == nullptr) {
            if (room == nullptr) return;  // the output has failed already
            room[length] = '\n';
            output_.Commit(static_cast<std::size_t>(length) + 1);
        } else {
            output_.AppendLine("error: ", error);
            anyFailed_ = true;
        }
    }

    bool anyFailed() const { return anyFailed_; }

private:
    const ConverterOptions& options_;
    OutputBuffer& output_;
    bool anyFailed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Line endings are ours to handle, the same on every platform.
    _setmode(kStandardInput, _O_BINARY);
    _setmode(kStandardOutput, _O_BINARY);
#endif
    const ConverterOptions options = ParseConverterOptions(argc, argv);
    switch (options.action) {
    case ConverterOptions::Action::ShowHelp:
        return WriteInformation(PrintHelp, "help");
    case ConverterOptions::Action::ShowVersion:
        return WriteInformation(PrintVersion, "version");
    case ConverterOptions::Action::UsageError:
        std::fprintf(stderr, "pelvoro-convert: %s\nTry 'pelvoro-convert --help'.\n", options.problem);
        return kStatusUsageError;
    case ConverterOptions::Action::Convert:
        break;
    }

    OutputBuffer output(kStandardOutput);
    Converter converter(options, output);
    bool readFailed = false;
    if (options.firstTimeArgument < argc) {
        char timeText[kTimeTextCapacity];
        for (int i = options.firstTimeArgument; i < argc; ++i) {
            // Only what fits in the time box takes part.
            const std::size_t length = strnlen(argv[i], kTimeTextCapacity - 1);
            std::memcpy(timeText, argv[i], length);
            timeText[length] = '\0';
            converter.Convert(timeText);
        }
    } else {
        LineReader lines(kStandardInput, kTimeTextCapacity - 1);
        while (const char* line = lines.Next()) converter.Convert(line);
        if (lines.failed()) {
            std::fprintf(stderr, "pelvoro-convert: cannot read standard input: %s\n",
                         std::strerror(lines.error()));
            readFailed = true;
        }
    }
    if (!output.Flush()) {
        std::fprintf(stderr, "pelvoro-convert: cannot write output: %s\n",
                     std::strerror(output.error()));
        return kStatusSomeFailed;
    }
    return converter.anyFailed() || readFailed ? kStatusSomeFailed : kStatusAllConverted;
}
