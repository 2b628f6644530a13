#include "options/RegistryPath.h"

#include "base/Errors.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

TEST(RegistryPathTest, TheEntryAndTheKeyAreJoinedByOneBackslash) {
  struct Case {
    const char* Entry;
    const char* Key;
    const char* Path;
  } cases[] = {
      {"System\\Class\\Display\\0000", "NVidia\\OpenGL\\EnableFSAA",
       "\\System\\Class\\Display\\0000\\NVidia\\OpenGL\\EnableFSAA"},
      {"\\HKCU\\Software\\", "Value", "\\HKCU\\Software\\Value"},
      {"\\HKCU\\Software", "Value", "\\HKCU\\Software\\Value"},
      {"Software\\", "Value", "\\Software\\Value"},
      {"", "Key\\Value", "\\Key\\Value"},
      {"\\", "Value", "\\Value"},
      {"Software", "", "\\Software\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinOptionPath(c.Entry, c.Key), c.Path) << c.Entry;
}

TEST(RegistryPathTest, TheMachineAliasBecomesHKLMInAnyLetterCase) {
  struct Case {
    const char* Path;
    const char* Normalized;
  } cases[] = {
      {"\\Registry\\Machine\\SOFTWARE\\ATI\\", "\\HKLM\\SOFTWARE\\ATI\\"},
      {"\\REGISTRY\\machine\\System\\x", "\\HKLM\\System\\x"},
      {"\\Registry\\Machine\\", "\\HKLM\\"},
      {"\\Registry\\Machine", "\\Registry\\Machine"},
      {"\\Registry\\User\\S-1\\x", "\\Registry\\User\\S-1\\x"},
      {"\\Software\\Registry\\Machine\\x", "\\Software\\Registry\\Machine\\x"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceMachineAlias(c.Path), c.Normalized) << c.Path;
}

TEST(RegistryPathTest, OnlyTheFirstDisplayNumberPlaceholderIsFilled) {
  std::string path = "\\HKLM\\Driver\\%NN%\\%NN%\\x";
  EXPECT_TRUE(HasDisplayNumber(path));
  ReplaceDisplayNumber(path, "0000");
  EXPECT_EQ(path, "\\HKLM\\Driver\\0000\\%NN%\\x");
  EXPECT_FALSE(HasDisplayNumber("\\HKLM\\Driver\\%nn%\\x"));
}

TEST(RegistryPathTest, TheRootPrefixIsRemovedButForItsLastBackslash) {
  struct Case {
    const char* Path;
    TRootKey Root;
    const char* Rest;
  } cases[] = {
      {"\\HKLM\\SOFTWARE\\ATI\\OpenGL\\Value", TRootKey::rkLocalMachine, "\\SOFTWARE\\ATI\\OpenGL\\Value"},
      {"\\HKCU\\Software\\Value", TRootKey::rkCurrentUser, "\\Software\\Value"},
      {"\\hkcu\\Software\\Value", TRootKey::rkCurrentUser, "\\Software\\Value"},
      {"\\hKlM\\Value", TRootKey::rkLocalMachine, "\\Value"},
      {"\\HKCU\\", TRootKey::rkCurrentUser, "\\"},
  };
  for (const Case& c : cases) {
    std::string path = c.Path;
    EXPECT_EQ(ParseRoot(path), c.Root) << c.Path;
    EXPECT_EQ(path, c.Rest) << c.Path;
  }
}

TEST(RegistryPathTest, APathWithoutRootPrefixIsRefusedAndLeftAsItIs) {
  for (const char* refused : {"\\System\\CurrentControlSet\\Value", "\\HKLM", "HKLM\\Software\\",
                              "\\HKU\\Software\\", "\\HKCR\\x\\", "", "\\HKEY_LOCAL_MACHINE\\x"}) {
    std::string path = refused;
    try {
      ParseRoot(path);
      ADD_FAILURE() << refused;
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), "Invalid registry path (root not found)");
    }
    EXPECT_EQ(path, refused);
  }
}

TEST(RegistryPathTest, TheValueNameFollowsTheLastBackslashAndAtNamesTheDefaultValue) {
  struct Case {
    const char* Path;
    const char* KeyPath;
    const char* ValueName;
  } cases[] = {
      {"\\SOFTWARE\\ATI\\0000\\OpenGL\\OGLEnableFullSceneAA", "\\SOFTWARE\\ATI\\0000\\OpenGL",
       "OGLEnableFullSceneAA"},
      {"\\Software\\GameRefresh\\@", "\\Software\\GameRefresh", ""},
      {"\\Software\\GameRefresh\\@@", "\\Software\\GameRefresh", "@@"},
      {"\\Software\\Key\\", "\\Software\\Key", ""},
      {"\\Value", "", "Value"},
      {"Value", "", "Value"},
  };
  for (const Case& c : cases) {
    TValueLocation location = SplitValueName(c.Path);
    EXPECT_EQ(location.KeyPath, c.KeyPath) << c.Path;
    EXPECT_EQ(location.ValueName, c.ValueName) << c.Path;
  }
}

}  // namespace
}  // namespace tgl::test
