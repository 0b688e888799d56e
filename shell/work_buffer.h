// A heap work buffer that frees itself: the font, licence and package buffers.
#pragma once
#include <cstdlib>

class WorkBuffer {
public:
    explicit WorkBuffer(std::size_t size) : bytes_(static_cast<unsigned char*>(std::malloc(size))) {}
    ~WorkBuffer() { std::free(bytes_); }
    WorkBuffer(const WorkBuffer&) = delete;
    WorkBuffer& operator=(const WorkBuffer&) = delete;

    // Null when the allocation failed.
    unsigned char* Bytes() const { return bytes_; }

private:
    unsigned char* bytes_;
};
