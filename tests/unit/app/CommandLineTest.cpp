#include "app/CommandLine.h"

#include "support/TestSupport.h"

namespace tgl::test {
namespace {

TEST(SplitCommandLineTest, WindowsQuotingRules) {
  struct Case {
    const char* Line;
    TStrings Expected;
  } cases[] = {
      {"TesmoraGL.exe", {}},
      {"\"C:\\Program Files\\TesmoraGL.exe\" /exportall", {"/exportall"}},
      {"C:\\TGL\\TesmoraGL.exe   /export:geforce  extra ", {"/export:geforce", "extra"}},
      {"x.exe \"a b\" c\\\\\"d e\"", {"a b", "c\\d e"}},
      {"x.exe a\\\"b \"\"", {"a\"b", ""}},
      {"x.exe C:\\dir\\", {"C:\\dir\\"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.Line), c.Expected) << c.Line;
}

using CommandLineTest = TCoreTest;

TEST_F(CommandLineTest, HelpIsShownOnlyForAFirstArgumentOfExactlySlashQuestion) {
  EXPECT_TRUE(HandleCommandLine({"/?", "/exportall"}));
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0].Text,
            "Possible command line parameters:\r"
            "  /minimized - start TesmoraGL minimized in traybar\r"
            "  /exportall - Export all configuration files\r"
            "  /export:name - Export \"name\" configuration file\r"
            "  /? - This message will be displayed");
  EXPECT_EQ(Messages.Shown[0].Kind, TMessageKind::mkInformation);
  EXPECT_TRUE(Folder.FileNames().empty());

  EXPECT_FALSE(HandleCommandLine({"/minimized", "/?"}));
  EXPECT_FALSE(HandleCommandLine({}));
  EXPECT_EQ(Messages.Shown.size(), 1u);
}

TEST_F(CommandLineTest, ExportEndsWithTheSuccessMessage) {
  EXPECT_TRUE(HandleCommandLine({"/Export:GeForce"}));
  ASSERT_EQ(Messages.Shown.size(), 1u);
  EXPECT_EQ(Messages.Shown[0].Text, "Export succesfull completed");
  EXPECT_TRUE(Folder.Exists("GEFORCE.Cfg"));
  EXPECT_FALSE(HandleCommandLine({"/export:nosuchfile"}));
  EXPECT_EQ(Messages.Shown.size(), 1u);
}

TEST(MinimizedSwitchTest, MatchesTheFirstArgumentIgnoringCase) {
  EXPECT_TRUE(IsMinimizedSwitch({"/MINIMIZED"}));
  EXPECT_FALSE(IsMinimizedSwitch({"/x", "/minimized"}));
}

}  // namespace
}  // namespace tgl::test
