#include "platform/FileChooser.h"

#include <gtest/gtest.h>

namespace tgl {
namespace {

TEST(FileChooserFilter, EveryPartEndsWithAZeroAndTheListWithAnother) {
  EXPECT_EQ(SystemFilter("Executable|*.exe|All|*.*"),
            std::string("Executable\0*.exe\0All\0*.*\0\0", 26));
  // A filter written with its last bar ends the same way, not with a third zero.
  EXPECT_EQ(SystemFilter("Profiles|*.tgp|"), std::string("Profiles\0*.tgp\0\0", 16));
}

}  // namespace
}  // namespace tgl
