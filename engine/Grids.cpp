#include "Grids.h"

#include <sys/mman.h>

#include <new>

namespace quorvel {

// A private anonymous mapping is all zeros, that is every cell empty and
// every mark clear, without a single write.
Grids::Grids()
{
    void* pages = mmap(nullptr, sizeof(Storage), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    storage_ = static_cast<Storage*>(pages);
}

Grids::~Grids()
{
    munmap(storage_, sizeof(Storage));
}

} // namespace quorvel
