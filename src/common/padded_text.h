#pragma once
// Texts kept with kPad readable bytes after their end, so that a short one is
// copied as one block of kPad bytes whatever its length: the pieces of the many
// small entities of a drawing are put together with no test of their lengths.
// The bytes after the text are copied too and must be written over (or not kept).

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

inline constexpr std::size_t kPad = 64;

// Copies `n` bytes from `from`, which can be read kPad bytes on, to `at`, which
// has room for kPad bytes more than n; returns the end of the copy.
inline char* PutPadded(char* at, const char* from, std::size_t n) {
    if (n <= kPad) {
        std::memcpy(at, from, kPad);
    } else {
        std::memcpy(at, from, n);
    }
    return at + n;
}

class PaddedText {
public:
    PaddedText() : bytes_(kPad, '\0') {}
    explicit PaddedText(std::string_view text) { Assign({text}); }

    // The pieces one after the other.
    void Assign(std::initializer_list<std::string_view> pieces) {
        std::size_t size = 0;
        for (std::string_view piece : pieces) size += piece.size();
        bytes_.resize(size + kPad);
        char* at = bytes_.data();
        for (std::string_view piece : pieces) {
            if (!piece.empty()) std::memcpy(at, piece.data(), piece.size());
            at += piece.size();
        }
        size_ = size;
    }

    std::size_t size() const { return size_; }
    const char* data() const { return bytes_.data(); }
    std::string_view View() const { return {bytes_.data(), size_}; }
    char* PutTo(char* at) const { return PutPadded(at, bytes_.data(), size_); }

private:
    std::string bytes_;  // the text and kPad bytes more
    std::size_t size_ = 0;
};
