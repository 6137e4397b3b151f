#include "common/record_input.h"

#include <cstring>

#include "common/errors.h"
#include "platform/files.h"

namespace {
constexpr std::size_t kBufferBytes = std::size_t{1} << 18;
}

RecordInput::RecordInput(const std::string& path, std::size_t recordSize)
    : path_(path),
      recordSize_(recordSize > 0 ? recordSize : 1),
      // Whole records per buffer, so that a refill moves at most one partial record.
      buffer_((kBufferBytes / recordSize_ + 1) * recordSize_) {
    file_ = platform::OpenFile(path, "rb");
    if (file_ == nullptr) throw ConversionError("No se puede abrir el fichero de entrada " + path);
}

RecordInput::~RecordInput() {
    if (file_ != nullptr) std::fclose(file_);
}

bool RecordInput::Fill() {
    if (eof_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    while (end_ < buffer_.size()) {
        const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
        if (got == 0) {
            if (std::ferror(file_)) throw ConversionError("No se puede leer el fichero de entrada " + path_);
            eof_ = true;
            break;
        }
        end_ += got;
    }
    return end_ - begin_ >= recordSize_;
}

const unsigned char* RecordInput::Next() {
    if (end_ - begin_ < recordSize_ && !Fill()) return nullptr;
    const unsigned char* record = buffer_.data() + begin_;
    begin_ += recordSize_;
    return record;
}
