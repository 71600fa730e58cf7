#include "line_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Feeds the input through a real file, as a redirected standard input would.
class LineReaderTest : public ::testing::Test {
protected:
    std::vector<std::string> ReadAll(const std::string& input, std::size_t maxLength,
                                     std::size_t bufferSize) {
        std::FILE* file = std::tmpfile();
        EXPECT_NE(file, nullptr);
        EXPECT_EQ(std::fwrite(input.data(), 1, input.size(), file), input.size());
        std::fflush(file);
        std::rewind(file);
        LineReader reader(fileno(file), maxLength, bufferSize);
        std::vector<std::string> lines;
        while (const char* line = reader.Next()) lines.emplace_back(line);
        EXPECT_FALSE(reader.failed());
        std::fclose(file);
        return lines;
    }
};

struct LinesCase {
    std::string name;
    std::string input;
    std::vector<std::string> lines;  // as handed out with a cut at 5 bytes
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }

class LineSplitting : public LineReaderTest, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(LineSplitting, SameLinesWhateverTheBufferSize) {
    for (std::size_t bufferSize : {6, 7, 8, 13, 64, 1 << 16}) {
        EXPECT_EQ(ReadAll(GetParam().input, 5, bufferSize), GetParam().lines) << "buffer " << bufferSize;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LineSplitting,
    ::testing::ValuesIn(std::vector<LinesCase>{
        {"Empty", "", {}},
        {"OneLine", "1:00\n", {"1:00"}},
        {"NoFinalLineFeed", "1\n2", {"1", "2"}},
        {"EmptyLinesAreTexts", "\n\n3\n", {"", "", "3"}},
        {"CrLf", "1\r\n2\r\n", {"1", "2"}},
        // Only a CR right before the LF belongs to the line ending.
        {"LoneCr", "1\r2\n", {"1\r2"}},
        {"CrAtEndWithoutLf", "1\n2\r", {"1", "2\r"}},
        {"TwoCrs", "1\r\r\n", {"1\r"}},
        {"CutToMaxLength", "123456789\n12\n", {"12345", "12"}},
        {"CrBeyondTheCut", "1234567\r\n", {"12345"}},
        {"LongerThanAnyBuffer", std::string(200, '7') + "\n8\n" + std::string(150, '9'),
         {"77777", "8", "99999"}},
        {"LongLinesBackToBack", std::string(40, 'a') + "\n" + std::string(40, 'b') + "\n",
         {"aaaaa", "bbbbb"}},
        {"NulEndsTheText", std::string("1\0" "2\n3", 5), {"1", "3"}},
    }),
    [](const ::testing::TestParamInfo<LinesCase>& info) { return info.param.name; });

TEST_F(LineReaderTest, ManyLinesAcrossRefills) {
    std::string input;
    std::vector<std::string> expected;
    for (int i = 0; i < 5000; ++i) {
        expected.push_back(std::to_string(i * 7919 % 100000));
        input += expected.back() + (i % 3 == 0 ? "\r\n" : "\n");
    }
    EXPECT_EQ(ReadAll(input, 199, 97), expected);
}

TEST(LineReaderErrors, ReportsAReadFailure) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[0]);
    close(fds[1]);
    LineReader reader(fds[0], 199);  // a closed descriptor cannot be read
    EXPECT_EQ(reader.Next(), nullptr);
    EXPECT_TRUE(reader.failed());
}

}  // namespace
