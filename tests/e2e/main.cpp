#include <gtest/gtest.h>

#include "support/system_state.h"

namespace {

// Each test runs in a process of its own, so this puts every test's program in front
// of the same machine: no settings file, no Run value, no Startup shortcut.
class KnownState : public testing::Environment {
 public:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new KnownState);
  return RUN_ALL_TESTS();
}
