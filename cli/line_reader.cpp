#include "line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

LineReader::LineReader(int fd, std::size_t maxLength, std::size_t bufferSize)
    : fd_(fd),
      maxLength_(maxLength),
      capacity_(bufferSize > maxLength ? bufferSize : maxLength + 1),
      buffer_(new char[capacity_ + 1]) {}

char* LineReader::Next() {
    char* const data = buffer_.get();
    for (;;) {
        if (scanned_ < end_) {
            auto* lineFeed = static_cast<char*>(std::memchr(data + scanned_, '\n', end_ - scanned_));
            if (lineFeed != nullptr) {
                char* line = data + begin_;
                begin_ = scanned_ = static_cast<std::size_t>(lineFeed - data) + 1;
                return Terminate(line, static_cast<std::size_t>(lineFeed - line), true);
            }
            scanned_ = end_;
        }
        if (endOfInput_) {
            if (begin_ == end_) return nullptr;
            char* line = data + begin_;
            const std::size_t length = end_ - begin_;
            begin_ = scanned_ = end_;
            return Terminate(line, length, false);
        }
        Refill();
    }
}

char* LineReader::Terminate(char* line, std::size_t length, bool endedByLineFeed) {
    if (skipping_) {
        // Only the first maxLength bytes of the line were kept.
        length = maxLength_;
        skipping_ = false;
    } else {
        if (endedByLineFeed && length > 0 && line[length - 1] == '\r') --length;
        if (length > maxLength_) length = maxLength_;
    }
    line[length] = '\0';
    return line;
}

void LineReader::Refill() {
    char* const data = buffer_.get();
    if (begin_ > 0) {
        std::memmove(data, data + begin_, end_ - begin_);
        end_ -= begin_;
        scanned_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {
        // One line fills the buffer: keep what a conversion can use of it and
        // drop the rest up to its LF.
        end_ = scanned_ = maxLength_;
        skipping_ = true;
    }
    for (;;) {
        const ssize_t count = ::read(fd_, data + end_, capacity_ - end_);
        if (count > 0) {
            end_ += static_cast<std::size_t>(count);
            return;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            failed_ = true;
            error_ = errno;
        }
        endOfInput_ = true;
        return;
    }
}
