#include "platform/dao/LargeBlockResource.h"

#include <cstdint>
#include <new>

#include <sys/mman.h>

namespace workbook
{

namespace
{
constexpr std::size_t kHugePage = std::size_t(2) << 20;

bool IsLarge(std::size_t bytes, std::size_t alignment)
{
    return bytes >= kHugePage && alignment <= kHugePage;
}

std::size_t Rounded(std::size_t bytes)
{
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}
} // namespace

LargeBlockResource* LargeBlockResource::Instance()
{
    static LargeBlockResource resource;
    return &resource;
}

void* LargeBlockResource::do_allocate(std::size_t bytes, std::size_t alignment)
{
    if (!IsLarge(bytes, alignment))
        return std::pmr::new_delete_resource()->allocate(bytes, alignment);
    const std::size_t size = Rounded(bytes);
    // One huge page more than needed, so that an aligned block fits; the ends go back.
    void* mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    const std::size_t tail = start + size + kHugePage - (aligned + size);
    if (tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + size), tail);
    void* block = reinterpret_cast<void*>(aligned);
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void LargeBlockResource::do_deallocate(void* block, std::size_t bytes, std::size_t alignment)
{
    if (!IsLarge(bytes, alignment))
        std::pmr::new_delete_resource()->deallocate(block, bytes, alignment);
    else
        ::munmap(block, Rounded(bytes));
}

} // namespace workbook
