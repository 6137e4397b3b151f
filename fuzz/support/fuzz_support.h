#pragma once
// What the harnesses share: bytes as text, a scratch folder for converters that
// read and write files, and a small cursor to draw choices from the input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process's own, made once (in memory where the system has /dev/shm).
const std::string& ScratchFolder();

// Writes the bytes to a file in the scratch folder and returns its path.
std::string WriteScratch(const std::string& name, std::string_view bytes);

// Takes leading bytes of the input as choices; the rest is the payload.
class Choices {
public:
    Choices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    // A number below n (0 when the input is used up).
    unsigned Pick(unsigned n) {
        if (n == 0 || size_ == 0) return 0;
        const unsigned value = *data_ % n;
        ++data_;
        --size_;
        return value;
    }
    std::string_view Rest() const { return {reinterpret_cast<const char*>(data_), size_}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace fuzz
