// pelvoro-convert: the window's convert command for scripts, and the other
// directions between playing time, frame number and timecode. Each value,
// from the arguments or one per line of standard input, gives one line of
// output: the converted value, or "error: " and the message.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "converter_options.h"
#include "frame_computation.h"
#include "frame_notation.h"
#include "frame_rates.h"
#include "line_reader.h"
#include "output_buffer.h"
#include "pelvoro_version.h"
#include "notation_conversion.h"
#include "time_text_parser.h"
#include "timecode.h"

namespace {

constexpr int kStatusAllConverted = 0;
constexpr int kStatusSomeFailed = 1;
constexpr int kStatusUsageError = 2;
constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

void PrintHelp(std::FILE* stream) {
    std::fputs(
        "Usage: pelvoro-convert [OPTION]... [--] [VALUE]...\n"
        "Converts between playing times, frame numbers and SMPTE timecode, one line\n"
        "of output for each VALUE, or for each line of standard input when no VALUE\n"
        "is given. A value that cannot be converted gives \"error: \" and the reason.\n"
        "\n"
        "  --fps=RATE        the frame rate: one of the window's",
        stream);
    for (int i = 0; i < g_frameRateCount; ++i) std::fprintf(stream, " %s", g_frameRateLabels[i]);
    std::fputs(
        ",\n"
        "                    any rate with at most six decimals, or a ratio such as\n"
        "                    24000/1001; from 1 to 1000. Without it no rate is\n"
        "                    selected, and a time to frame conversion fails as in\n"
        "                    the window; other conversions but time to time need it\n"
        "  --first=0|1       the number of the first frame (default 1)\n"
        "  --from=KIND       what the values are: time (default), frame or timecode\n"
        "  --to=KIND         what to make of them: frame (default), time or timecode\n"
        "  --drop-frame      write timecode in drop-frame counting (29.97, 59.94)\n"
        "  -h, --help        display this help and exit\n"
        "      --version     output version information and exit\n"
        "\n"
        "A time is hours:minutes:seconds.fraction (1:02:03.5; the hours, or hours and\n"
        "minutes, may be left out) and is written H:MM:SS.mmm. A frame is up to nine\n"
        "digits with up to three decimals (300.7). A timecode is HH:MM:SS:FF, or\n"
        "HH:MM:SS;FF for drop-frame counting, at a rate within 0.2% of a whole number.\n"
        "Only time to frame computes in floating point, as the window does; every\n"
        "other direction is exact. Options come before the values; \"--\" ends them.\n"
        "\n"
        "Examples:\n"
        "  pelvoro-convert --fps=29.97 0:10                          300.700\n"
        "  pelvoro-convert --to=time 0:75:99                         1:16:39.000\n"
        "  pelvoro-convert --fps=24000/1001 --from=frame --to=time 86401\n"
        "                                                            1:00:03.600\n"
        "  pelvoro-convert --fps=24 --from=frame 300.7                300.700\n"
        "  pelvoro-convert --fps=29.97 --to=timecode --drop-frame 1:00.061\n"
        "                                                            00:01:00;02\n"
        "  pelvoro-convert --fps=29.97 --from=frame --to=timecode --drop-frame 17983\n"
        "                                                            00:10:00;00\n"
        "  pelvoro-convert --fps=29.97 --from=timecode 01:00:00;00   107893.000\n"
        "  pelvoro-convert --fps=25 --from=timecode --to=time 00:00:01:12\n"
        "                                                            0:00:01.480\n"
        "  pelvoro-convert --fps=29.97 --from=timecode --to=timecode 00:10:00;00\n"
        "                                                            00:09:59:12\n"
        "\n"
        "Messages, besides the window's for a time:\n",
        stream);
    for (const char* message : {kNotAFrameNumber, kFrameTooLarge, kFrameBeforeFirst, kNotATimecode, kTimecodeAbove59,
                                kTimecodeFramesTooMany, kTimecodeNoDropFrame, kTimecodeSkipped}) {
        std::fprintf(stream, "  %s\n", message);
    }
    std::fputs(
        "\n"
        "Exit status: 0 when every value converted, 1 when any failed or output\n"
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
        : request_(RequestOf(options)), output_(output) {}

    void Convert(const char* timeText) {
        // The frame text is written straight into the output, its line
        // ending after it.
        char* room = output_.Reserve(kFrameTextCapacity + 1);
        char discarded[kFrameTextCapacity];
        int length = 0;
        const char* error = ConvertNotation(timeText, request_, room != nullptr ? room : discarded, &length);
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
    const NotationRequest request_;
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
