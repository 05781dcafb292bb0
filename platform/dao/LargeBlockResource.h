#pragma once

#include <cstddef>
#include <memory_resource>

namespace workbook
{

// Memory for the large blocks of a workbook being read (the file's bytes, the sheets' cells).
// Blocks of 2 MB and more come straight from the system, aligned for huge pages and asking for
// them, so that filling a block costs one page fault per 2 MB rather than one per 4 KB.
// Smaller blocks come from the usual heap.
class LargeBlockResource : public std::pmr::memory_resource
{
public:
    static LargeBlockResource* Instance();

private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override;
    void do_deallocate(void* block, std::size_t bytes, std::size_t alignment) override;
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
};

} // namespace workbook
