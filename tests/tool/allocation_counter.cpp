// Replaces the global operator new and delete of the test executable with
// counting ones; the framework is linked in, so its blocks are counted too.
#include "tests/tool/allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {
long g_live = 0;

void* Take(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    ++g_live;
    return block;
}

void Give(void* block)
{
    if (block != nullptr) {
        --g_live;
        std::free(block);
    }
}
}  // namespace

long LiveAllocations()
{
    return g_live;
}

void* operator new(std::size_t size) { return Take(size); }
void* operator new[](std::size_t size) { return Take(size); }
void operator delete(void* block) noexcept { Give(block); }
void operator delete[](void* block) noexcept { Give(block); }
void operator delete(void* block, std::size_t) noexcept { Give(block); }
void operator delete[](void* block, std::size_t) noexcept { Give(block); }
