#pragma once
// An output file that is written through a buffer into a temporary file beside
// the chosen one, and only takes the chosen name when Commit() succeeds. A
// conversion that stops half-way therefore never leaves a half-written file that
// looks complete: the destructor removes the temporary file.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "common/small_copy.h"

class BufferedOutput {
public:
    // Creates the temporary file; throws ConversionError when it cannot.
    explicit BufferedOutput(std::string path);
    ~BufferedOutput();
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;

    void Write(std::string_view bytes) {
        if (bytes.empty()) return;
        if (kBufferSize - size_ < bytes.size()) {
            Flush();
            if (bytes.size() > kBufferSize) return WriteThrough(bytes);
        }
        CopySmall(buffer_.get() + size_, bytes.data(), bytes.size());
        size_ += bytes.size();
    }
    void Write(char c) {
        if (size_ == kBufferSize) Flush();
        buffer_[size_++] = c;
    }
    // The pieces one after the other, with one look at the room left for them all:
    // the road of the many short pieces of an entity or a line.
    template <class... Pieces>
    void WriteAll(const Pieces&... pieces) {
        const std::size_t size = (std::string_view(pieces).size() + ...);
        if (size > kRoom) return (Write(std::string_view(pieces)), ...);
        char* at = Room(size);
        const auto put = [&at](std::string_view piece) {
            CopySmall(at, piece.data(), piece.size());
            at += piece.size();
        };
        (put(std::string_view(pieces)), ...);
        size_ += size;
    }

    // Room for n bytes at the end of the output, for a writer that builds its bytes
    // in place rather than copying them in; Advance(k) then keeps the first k of them
    // (k <= n), and until then nothing is kept. n is at most kRoom.
    char* Room(std::size_t n) {
        if (kBufferSize - size_ < n) {
            Flush();
            if (n > kRoom) TooMuchRoom();
        }
        return buffer_.get() + size_;
    }
    void Advance(std::size_t n) { size_ += n; }
    static constexpr std::size_t kRoom = std::size_t{1} << 18;  // the whole buffer

    // Places bytes at an offset of the output, as a write to a record of a random-access
    // file would: over bytes already written, or beyond the end, in which case the
    // gap reads as zero bytes. The next Write goes on at the end of the output.
    void WriteAt(std::uint64_t offset, std::string_view bytes);
    // Bytes of output so far (the end that WriteAt extends).
    std::uint64_t Size() const { return flushed_ + size_; }

    // The text and CR LF.
    void WriteLine(std::string_view text) {
        Write(text);
        Write(std::string_view("\r\n", 2));
    }

    // Writes what is buffered, closes the file and gives it the chosen name,
    // replacing an existing file. Throws ConversionError on a write failure.
    void Commit();
    // Writes what is buffered and closes the file without naming it yet, so that a
    // file and its companion are both complete before either replaces an old one.
    void Close();

    const std::string& Path() const { return path_; }

private:
    static constexpr std::size_t kBufferSize = kRoom;

    void Flush();
    [[noreturn]] static void TooMuchRoom();
    void Seek(std::uint64_t offset);
    void WriteThrough(std::string_view bytes);
    void Discard() noexcept;

    std::string path_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::uint64_t flushed_ = 0;  // bytes in the file; it is positioned at their end
};
