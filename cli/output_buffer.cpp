#include "output_buffer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

OutputBuffer::OutputBuffer(int fd, std::size_t capacity)
    : fd_(fd), capacity_(capacity), buffer_(new char[capacity]) {}

OutputBuffer::~OutputBuffer() { Flush(); }

void OutputBuffer::Append(const char* text, std::size_t length) {
    while (length > 0) {
        if (used_ == capacity_ && !Flush()) return;
        std::size_t part = capacity_ - used_;
        if (part > length) part = length;
        std::memcpy(buffer_.get() + used_, text, part);
        used_ += part;
        text += part;
        length -= part;
    }
}

void OutputBuffer::AppendLine(const char* prefix, const char* text) {
    Append(prefix, std::strlen(prefix));
    Append(text, std::strlen(text));
    Append("\n", 1);
}

bool OutputBuffer::Flush() {
    std::size_t done = 0;
    while (error_ == 0 && done < used_) {
        const ssize_t count = ::write(fd_, buffer_.get() + done, used_ - done);
        if (count >= 0) {
            done += static_cast<std::size_t>(count);
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
    used_ = 0;
    return error_ == 0;
}
