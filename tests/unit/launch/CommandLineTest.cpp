#include "launch/CommandLine.h"

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
            "  /run:\"title\" - Apply the settings of game \"title\" and start it\r"
            "  /apply:\"title\" - Apply the settings of game \"title\"\r"
            "  /apply:Default - Apply the default settings\r"
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

TEST(LaunchRequestTest, RunAndApplySwitchesTakeTheRestOfTheFirstArgumentAsTitle) {
  using enum TLaunchAction;
  struct Case {
    const char* Line;
    std::optional<TLaunchRequest> Expected;
  } cases[] = {
      {"x.exe /run:\"Quake III Arena\"", TLaunchRequest{laRun, "Quake III Arena"}},
      {"x.exe /RUN:Quake extra", TLaunchRequest{laRun, "Quake"}},
      {"x.exe \"/Run:Half-Life\"", TLaunchRequest{laRun, "Half-Life"}},
      {"x.exe /apply:\"Unreal\"", TLaunchRequest{laApply, "Unreal"}},
      {"x.exe /apply:default", TLaunchRequest{laApply, "default"}},
      {"x.exe /run:", TLaunchRequest{laRun, ""}},
      {"x.exe /run", std::nullopt},
      {"x.exe /minimized /run:Quake", std::nullopt},
      {"x.exe /runner:Quake", std::nullopt},
      {"x.exe", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseLaunchRequest(SplitCommandLine(c.Line)), c.Expected) << c.Line;

  EXPECT_TRUE((TLaunchRequest{TLaunchAction::laApply, "DEFAULT"}.IsDefault()));
  EXPECT_FALSE((TLaunchRequest{TLaunchAction::laRun, "Default"}.IsDefault()));
  EXPECT_FALSE((TLaunchRequest{TLaunchAction::laApply, "Default 2"}.IsDefault()));
}

// Titles the profile store accepts: blanks inside, quotes, backslashes before quotes and at
// the end, brackets, "%" alone, and bytes of the ANSI code page.
const char* const StorableTitles[] = {
    "Quake",           "Quake III Arena", "Tom \"Clancy\"'s", "\"Quoted\"",
    "Back\\slash\\",   "Two\\\\\"x",       "C:\\Games\\",     "[Bracket",
    "100% Fun",        "=;#",             "Caf\xE9 \xC4",     "a  b",
    "-dash /slash",    "\\",              "\"",
};

TEST(LaunchRequestTest, AShortcutsArgumentsSplitBackIntoExactlyItsTitle) {
  for (const char* title : StorableTitles) {
    std::string arguments = ShortcutArguments(title);
    EXPECT_LE(arguments.size(), MaxShortcutArguments);
    TStrings split = SplitCommandLine("\"C:\\Program Files\\TGL\\TesmoraGL.exe\" " + arguments);
    ASSERT_EQ(split.size(), 1u) << title << " as " << arguments;
    EXPECT_EQ(ParseLaunchRequest(split), (TLaunchRequest{TLaunchAction::laRun, title}))
        << arguments;
  }
  EXPECT_EQ(ShortcutArguments("Quake III"), "/run:\"Quake III\"");
  EXPECT_EQ(ShortcutArguments("A\\\"B\\"), "/run:\"A\\\\\\\"B\\\\\"");
}

TEST(LaunchRequestTest, TitlesThatCannotTravelSafelyGetNoShortcut) {
  for (const std::string& title :
       {std::string("Tab\there"), std::string("%PATH%"), std::string("50% of 100%"),
        std::string("Del\x7F"), std::string(300, 'x')})
    EXPECT_THROW(ShortcutArguments(title), EError) << title;
  try {
    ShortcutArguments("%windir%");
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(),
                 "A shortcut cannot carry the title \"%windir%\" safely; rename the game to make "
                 "one.");
  }
}

TEST(LaunchRequestTest, ASecondInstanceHandsItsRequestOverAndOnlySuchDataIsTaken) {
  for (const TLaunchRequest& request :
       {TLaunchRequest{TLaunchAction::laRun, "Quake III Arena"},
        TLaunchRequest{TLaunchAction::laApply, "Default"},
        TLaunchRequest{TLaunchAction::laRun, "\"Odd\" \\ title"}})
    EXPECT_EQ(RequestOfHandOverData(HandOverData(request)), request);
  EXPECT_EQ(HandOverData({TLaunchAction::laRun, "Quake"}), "/run:Quake");
  EXPECT_EQ(RequestOfHandOverData(std::string("/run:Qu\0ake", 11)), std::nullopt);
  EXPECT_EQ(RequestOfHandOverData("/exportall"), std::nullopt);
  EXPECT_EQ(RequestOfHandOverData("/run:" + std::string(MaxHandOverData, 'x')), std::nullopt);
  EXPECT_EQ(RequestOfHandOverData(""), std::nullopt);
}

TEST(LaunchRequestTest, TheHelpKeepsItsLinesAndAddsTheNewSwitches) {
  std::string_view help = LaunchHelpText;
  std::string_view old = HelpText;
  size_t lastLine = old.rfind('\r');
  EXPECT_TRUE(help.starts_with(old.substr(0, lastLine + 1)));
  EXPECT_TRUE(help.ends_with(old.substr(lastLine)));
  EXPECT_NE(help.find("\r  /run:\"title\" - "), std::string_view::npos);
  EXPECT_NE(help.find("\r  /apply:\"title\" - "), std::string_view::npos);
  EXPECT_NE(help.find("\r  /apply:Default - "), std::string_view::npos);
}

}  // namespace
}  // namespace tgl::test
