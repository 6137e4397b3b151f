#include "common/buffered_output.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <stdexcept>

#include "common/errors.h"
#include "platform/files.h"

BufferedOutput::BufferedOutput(std::string path)
    : path_(std::move(path)), buffer_(std::make_unique<char[]>(kBufferSize)) {
    // "x": never take over a file that exists, in case another program uses the name.
    for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
        tempPath_ = path_ + ".~tarsel" + std::to_string(attempt);
        file_ = platform::OpenFile(tempPath_, "wbx");
        if (file_ == nullptr && errno != EEXIST) break;
    }
    if (file_ == nullptr) {
        throw ConversionError("No se puede crear el fichero de salida " + path_);
    }
    // Whole buffers are handed over at once; a second buffer would only copy them.
    std::setvbuf(file_, nullptr, _IONBF, 0);
}

BufferedOutput::~BufferedOutput() { Discard(); }

void BufferedOutput::Flush() {
    if (size_ == 0) return;
    const std::size_t size = size_;
    size_ = 0;
    WriteThrough(std::string_view(buffer_.get(), size));
}

void BufferedOutput::TooMuchRoom() { throw std::length_error("BufferedOutput::Room: more than kRoom bytes"); }

void BufferedOutput::WriteThrough(std::string_view bytes) {
    if (file_ == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        throw ConversionError("No se puede escribir en el fichero de salida " + path_);
    }
    flushed_ += bytes.size();
}

void BufferedOutput::Seek(std::uint64_t offset) {
    if (file_ == nullptr || offset > static_cast<std::uint64_t>(std::numeric_limits<long>::max()) ||
        std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) {
        throw ConversionError("No se puede escribir en el fichero de salida " + path_);
    }
}

void BufferedOutput::WriteAt(std::uint64_t offset, std::string_view bytes) {
    const std::uint64_t end = Size();
    if (offset >= end) {
        const std::uint64_t gap = offset - end;
        if (gap <= kBufferSize) {
            // A short gap is written as zeros, the common case of records in order.
            static constexpr char kZeros[4096] = {};
            for (std::uint64_t left = gap; left > 0;) {
                const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(left, sizeof kZeros));
                Write(std::string_view(kZeros, piece));
                left -= piece;
            }
        } else {
            // A long one is left to the file system, which reads it back as zeros.
            Flush();
            Seek(offset);
            flushed_ = offset;
        }
        Write(bytes);
        return;
    }
    if (offset >= flushed_ && offset + bytes.size() <= end) {
        std::memcpy(buffer_.get() + (offset - flushed_), bytes.data(), bytes.size());
        return;
    }
    // Over bytes already in the file: written in place, then back to the end.
    Flush();
    Seek(offset);
    flushed_ = offset;
    WriteThrough(bytes);
    const std::uint64_t newEnd = std::max(end, offset + bytes.size());
    Seek(newEnd);
    flushed_ = newEnd;
}

void BufferedOutput::Close() {
    if (file_ == nullptr) return;
    Flush();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) {
        Discard();
        throw ConversionError("No se puede escribir en el fichero de salida " + path_);
    }
}

void BufferedOutput::Commit() {
    if (tempPath_.empty()) throw ConversionError("El fichero de salida ya está cerrado: " + path_);
    Close();
    if (!platform::RenameFile(tempPath_, path_)) throw ConversionError("No se puede crear el fichero de salida " + path_);
    tempPath_.clear();
}

void BufferedOutput::Discard() noexcept {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempPath_.empty()) {
        platform::RemoveFile(tempPath_);
        tempPath_.clear();
    }
}
