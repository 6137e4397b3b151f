#include "common/buffered_output.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/errors.h"

BufferedOutput::BufferedOutput(std::string path)
    : path_(std::move(path)), buffer_(std::make_unique<char[]>(kBufferSize)) {
    // "x": never take over a file that exists, in case another program uses the name.
    for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
        tempPath_ = path_ + ".~tarsel" + std::to_string(attempt);
        file_ = std::fopen(tempPath_.c_str(), "wbx");
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

void BufferedOutput::WriteThrough(std::string_view bytes) {
    if (file_ == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        throw ConversionError("No se puede escribir en el fichero de salida " + path_);
    }
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
    std::error_code error;
    std::filesystem::rename(tempPath_, path_, error);
    if (error) throw ConversionError("No se puede crear el fichero de salida " + path_);
    tempPath_.clear();
}

void BufferedOutput::Discard() noexcept {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempPath_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(tempPath_, ignored);
        tempPath_.clear();
    }
}
