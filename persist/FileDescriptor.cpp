#include "FileDescriptor.h"

#include <unistd.h>

namespace quorvel::persist {

FileDescriptor::~FileDescriptor()
{
    close();
}

// Linux releases the descriptor even when close fails, so it is never
// closed twice.
bool FileDescriptor::close()
{
    if (fd_ < 0)
        return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

} // namespace quorvel::persist
