// Base fixture for tests over the in-memory platform: every test starts from
// an empty platform and reaches it as `platform`.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "platform/memory/memory_platform.h"

namespace vantiro::memory {

// Lets GoogleTest print logged calls in failure messages.
void PrintTo(const PlatformCall& call, std::ostream* out);

}  // namespace vantiro::memory

namespace vantiro {

class MemoryPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { memory::TheMemoryPlatform() = memory::MemoryPlatform{}; }

  memory::MemoryPlatform& platform = memory::TheMemoryPlatform();
};

}  // namespace vantiro
