#pragma once

namespace quorvel::persist {

// Owns one open descriptor. close() reports whether the close succeeded,
// which matters for a file just written; the destructor closes quietly on
// paths that have already failed.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }
    bool close();

private:
    int fd_;
};

} // namespace quorvel::persist
