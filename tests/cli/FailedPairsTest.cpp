// The memory of failed pairs stays within its bytes, whatever it is given.
#include "cli/FailedPairs.h"

#include <gtest/gtest.h>

#include <string>

namespace ratio {
namespace {

TEST(FailedPairs, StayWithinTheirBytesAndKeepTheNewest) {
    FailedPairs failed(4096);
    for (int i = 0; i < 1000; ++i) {
        const std::string key = "name" + std::to_string(i) + "\tkm";
        failed.remember(key, "unknown unit '" + key + "'");
        EXPECT_LE(failed.bytes(), 4096u);
        ASSERT_NE(failed.find(key), nullptr) << key;
        EXPECT_EQ(*failed.find(key), "unknown unit '" + key + "'");
    }
    const std::string huge(5000, 'x');
    failed.remember(huge, "unknown unit");
    EXPECT_EQ(failed.find(huge), nullptr);
    EXPECT_NE(failed.find("name999\tkm"), nullptr); // nothing given up for it
}

} // namespace
} // namespace ratio
