#pragma once
// Reads a file of fixed-length binary records through one buffer, for files of
// any size: the memory used is the buffer. Records follow each other from the
// first byte; bytes after the last complete record are not a record.

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

class RecordInput {
public:
    // Opens the file; throws ConversionError when it cannot.
    RecordInput(const std::string& path, std::size_t recordSize);
    ~RecordInput();
    RecordInput(const RecordInput&) = delete;
    RecordInput& operator=(const RecordInput&) = delete;

    // The next complete record (recordSize bytes), valid until the next call;
    // nullptr at the end of the file. Throws ConversionError when the file cannot
    // be read.
    const unsigned char* Next();

    // Whether a complete record is left to read.
    bool HasRecord() { return end_ - begin_ >= recordSize_ || Fill(); }

private:
    bool Fill();

    std::string path_;
    std::size_t recordSize_;
    std::FILE* file_ = nullptr;
    std::vector<unsigned char> buffer_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // one past the last byte in the buffer
    bool eof_ = false;
};
