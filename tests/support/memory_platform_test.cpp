#include "tests/support/memory_platform_test.h"

namespace vantiro::memory {

void PrintTo(const PlatformCall& call, std::ostream* out) { *out << Describe(call); }

}  // namespace vantiro::memory
