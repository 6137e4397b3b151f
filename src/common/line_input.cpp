#include "common/line_input.h"

#include <cstring>

#include "common/errors.h"
#include "platform/files.h"

LineInput::LineInput(const std::string& path) : path_(path), buffer_((1 << 18) + kReadAhead) {
    file_ = platform::OpenFile(path, "rb");
    if (file_ == nullptr) throw ConversionError("No se puede abrir el fichero de entrada " + path);
}

LineInput::~LineInput() {
    if (file_ != nullptr) std::fclose(file_);
}

// Moves the unread bytes to the front, grows the buffer when a line fills it, and
// reads more. False when nothing more could be read.
bool LineInput::Fill() {
    if (eof_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == Capacity()) {
        // A text file of the field has short lines; a "line" this long is a file of
        // another kind, and reading it whole would take memory without end.
        if (Capacity() >= kLongestLine) {
            throw ConversionError("El fichero de entrada no es un fichero de texto: " + path_);
        }
        buffer_.resize(Capacity() * 2 + kReadAhead);
    }
    const std::size_t got = std::fread(buffer_.data() + end_, 1, Capacity() - end_, file_);
    if (got == 0) {
        if (std::ferror(file_)) throw ConversionError("No se puede leer el fichero de entrada " + path_);
        eof_ = true;
        return false;
    }
    end_ += got;
    bytesRead_ += got;
    return true;
}

bool LineInput::Next(std::string_view& line) {
    std::size_t searchFrom = begin_;
    for (;;) {
        const void* found = std::memchr(buffer_.data() + searchFrom, '\n', end_ - searchFrom);
        if (found != nullptr) {
            const std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
            std::size_t stop = lf;
            if (stop > begin_ && buffer_[stop - 1] == '\r') --stop;
            line = std::string_view(buffer_.data() + begin_, stop - begin_);
            begin_ = lf + 1;
            return true;
        }
        const std::size_t scanned = end_ - begin_;
        if (!Fill()) break;
        searchFrom = begin_ + scanned;
    }
    if (begin_ == end_) return false;
    std::size_t stop = end_;
    if (buffer_[stop - 1] == '\r') --stop;
    line = std::string_view(buffer_.data() + begin_, stop - begin_);
    begin_ = end_;
    return true;
}
