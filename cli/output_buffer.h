#ifndef PELVORO_CLI_OUTPUT_BUFFER_H
#define PELVORO_CLI_OUTPUT_BUFFER_H

#include <cstddef>
#include <memory>

// Collects output and writes it to a file descriptor in large blocks; the
// first write error is kept and later output dropped.
class OutputBuffer {
public:
    explicit OutputBuffer(int fd, std::size_t capacity = std::size_t{1} << 20);
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Append(const char* text, std::size_t length);

    // Room for at most length bytes (at most the capacity) at the end of the
    // output, for a writer to fill; Commit then keeps what it wrote. The
    // room is null after a write error.
    char* Reserve(std::size_t length) {
        if (capacity_ - used_ < length && !Flush()) return nullptr;
        return buffer_.get() + used_;
    }
    void Commit(std::size_t length) { used_ += length; }
    void AppendLine(const char* prefix, const char* text);
    bool Flush();  // false when any write has failed

    int error() const { return error_; }

private:
    int fd_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};

#endif
