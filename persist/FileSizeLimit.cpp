#include "FileSizeLimit.h"

#include <csignal>

namespace quorvel::persist {

void surviveFileSizeLimit()
{
    static_cast<void>(std::signal(SIGXFSZ, SIG_IGN));
}

} // namespace quorvel::persist
