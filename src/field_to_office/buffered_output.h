#pragma once
// An output file that is written through a buffer into a temporary file beside
// the chosen one, and only takes the chosen name when Commit() succeeds. A
// conversion that stops half-way therefore never leaves a half-written file that
// looks complete: the destructor removes the temporary file.

#include <cstdio>
#include <string>
#include <string_view>

class BufferedOutput {
public:
    // Creates the temporary file; throws ConversionError when it cannot.
    explicit BufferedOutput(std::string path);
    ~BufferedOutput();
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;

    void Write(std::string_view bytes) {
        if (buffer_.size() + bytes.size() > kBufferSize) Flush();
        buffer_.append(bytes);
    }
    void Write(char c) {
        if (buffer_.size() + 1 > kBufferSize) Flush();
        buffer_.push_back(c);
    }
    // The text and CR LF.
    void WriteLine(std::string_view text) {
        Write(text);
        Write(std::string_view("\r\n", 2));
    }

    // Writes what is buffered, closes the file and gives it the chosen name,
    // replacing an existing file. Throws ConversionError on a write failure.
    void Commit();

    const std::string& Path() const { return path_; }

private:
    static constexpr std::size_t kBufferSize = 1 << 18;
    void Flush();
    void Discard() noexcept;

    std::string path_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
};
