#include "app/settings.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

TEST(Settings, PiApproxHasItsExactBits) { EXPECT_EQ(std::bit_cast<std::uint32_t>(PI_APPROX), 0x40490FD0u); }
