#ifndef PELVORO_CLI_LINE_READER_H
#define PELVORO_CLI_LINE_READER_H

#include <cstddef>
#include <memory>

// Reads a file descriptor line by line through one fixed buffer, so memory
// stays the same however long the input. A line ends at LF, and a CR right
// before the LF belongs to the line ending. Each line is handed out cut to its
// first maxLength bytes and NUL-terminated in place, as the time box would
// hold it; a line longer than the whole buffer is cut the same way.
class LineReader {
public:
    LineReader(int fd, std::size_t maxLength, std::size_t bufferSize = std::size_t{1} << 20);

    // The next line, valid until the following call; null at the end of the
    // input or after a read error.
    char* Next();

    bool failed() const { return failed_; }
    int error() const { return error_; }

private:
    char* Terminate(char* line, std::size_t length, bool endedByLineFeed);
    void Refill();

    int fd_;
    std::size_t maxLength_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;  // capacity_ + 1, room for a last NUL
    std::size_t begin_ = 0;           // start of the line being read
    std::size_t scanned_ = 0;         // searched for LF up to here
    std::size_t end_ = 0;             // end of the data read
    bool endOfInput_ = false;
    bool skipping_ = false;           // dropping the middle of an over-long line
    bool failed_ = false;
    int error_ = 0;
};

#endif
