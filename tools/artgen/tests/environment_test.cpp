// Registers the shared Qt environment for every test of this program.
#include "tools/artgen/tests/art_test_support.h"

namespace {
[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new tablamor::art::testing::QtEnvironment);
} // namespace
