#pragma once
// Reads a text file line by line through one buffer, for files of any size: the
// memory used is the buffer and the longest line. Lines end with CR LF or LF; the
// line end is not part of the line. A last line without a line end still counts.
// Lines longer than kLongestLine are refused.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class LineInput {
public:
    // Opens the file; throws ConversionError when it cannot.
    explicit LineInput(const std::string& path);
    ~LineInput();
    LineInput(const LineInput&) = delete;
    LineInput& operator=(const LineInput&) = delete;

    // The next line, valid until the next call; false at the end of the file.
    // Throws ConversionError when the file cannot be read.
    bool Next(std::string_view& line);
    // Bytes read so far.
    std::size_t BytesRead() const { return bytesRead_; }

    // Longest line read; a longer one is refused (ConversionError).
    static constexpr std::size_t kLongestLine = std::size_t{1} << 24;
    // A line may be read kReadAhead bytes from any of its bytes on (from its first,
    // or from its end), past its end: a reader may then test a whole line, or any
    // part of it, with fixed-size loads. Those bytes after the line's end hold no
    // particular value.
    static constexpr std::size_t kReadAhead = 96;

private:
    bool Fill();
    std::size_t Capacity() const { return buffer_.size() - kReadAhead; }

    std::string path_;
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // one past the last byte in the buffer
    std::size_t bytesRead_ = 0;
    bool eof_ = false;
};
