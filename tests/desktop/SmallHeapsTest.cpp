// The allocator's tuning, seen through glibc's own figures: a block of a megabyte or more is
// mapped on its own every time, so that freeing it gives it back to the system. Untuned, glibc
// takes the second such block from its heap once the first was freed, and keeps it there.
#include "desktop/SmallHeaps.h"

#include <cstdlib>
#include <gtest/gtest.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

TEST(SmallHeapsTest, EveryLargeBlockIsMappedOnItsOwnAndGivenBack) {
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    faktorlupe::keepHeapsSmall();
    constexpr std::size_t kBlock = 2 * 1024 * 1024;
    for (int round = 1; round <= 3; ++round) {
        const std::size_t mappedBefore = mallinfo2().hblkhd;
        auto* block = static_cast<volatile char*>(std::malloc(kBlock));
        ASSERT_NE(block, nullptr);
        block[kBlock - 1] = 1;
        EXPECT_GE(mallinfo2().hblkhd, mappedBefore + kBlock) << "block " << round;
        std::free(const_cast<char*>(block));
        EXPECT_EQ(mallinfo2().hblkhd, mappedBefore) << "block " << round << " was kept";
    }
#else
    GTEST_SKIP() << "the tuning is glibc's allocator's, which AddressSanitizer replaces";
#endif
}

} // namespace
