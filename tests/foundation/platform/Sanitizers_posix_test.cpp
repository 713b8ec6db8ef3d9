// The host build exists to run the portable code under the sanitizers; a
// configuration slip that silently drops them would hide every memory fault.
#include <gtest/gtest.h>

#include <vector>

#if defined(__SANITIZE_ADDRESS__)
const bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
const bool kAddressSanitizer = true;
#else
const bool kAddressSanitizer = false;
#endif
#else
const bool kAddressSanitizer = false;
#endif

TEST(HostBuild, RunsUnderAddressSanitizer)
{
    EXPECT_TRUE(kAddressSanitizer);
}

TEST(HostBuild, OutOfBoundsReadIsCaught)
{
    if (!kAddressSanitizer)
        GTEST_SKIP();
    EXPECT_DEATH(
        {
            std::vector<int>* values = new std::vector<int>(4, 1);
            volatile int* raw = values->data();
            // Read through a volatile index, so that the compiler does not
            // warn of the overflow this test makes on purpose.
            volatile size_t past = values->size();
            int sink = raw[past];
            (void)sink;
            delete values;
        },
        "heap-buffer-overflow");
}
