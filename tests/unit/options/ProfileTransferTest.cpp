#include "base/Errors.h"
#include "OptionsTestSupport.h"
#include "config/IniFile.h"
#include "options/FieldHub.h"
#include "support/CountingFileSystem.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

class ProfileTransferTest : public TCoreTest {
protected:
  TIniFile Games() { return TIniFile(Folder.Path() + "Games.CFG"); }
};

TEST_F(ProfileTransferTest, TheCardSectionJoinsProfileAndTuningFile) {
  TrlCardConfig geForce = MakeCard("GeForce");
  TFieldHub hub;
  hub.SelectCard(&geForce);
  hub.SetProfileName("Quake");
  EXPECT_EQ(hub.CardSectionName(), "%Quake_GeForce%");
  hub.SetProfileName("%Default%");
  EXPECT_EQ(hub.CardSectionName(), "%%Default%_GeForce%");
}

TEST_F(ProfileTransferTest, OSDependentOptionsUseTheirNTKeyInNTMode) {
  TrlCardConfig radeon = MakeCard("Radeon");
  for (int version : {wvWindows98, wvWindows2000}) {
    Startup().WindowsVersion = version;
    const bool ntMode = version == wvWindows2000;
    TFieldHub hub;
    hub.SelectCard(&radeon);
    hub.SetProfileName(ntMode ? "Quake NT" : "Quake 9x");
    hub.SaveToProfile();
    TStrings keys;
    Games().ReadSection(hub.CardSectionName(), keys);
    ASSERT_EQ(keys.size(), 13u);
    for (int i = 0; i < hub.OptionCount(); ++i) {
      const std::string& name = hub.Options(i).Name();
      EXPECT_EQ(keys[i], name == "VSync DX" && ntMode ? "VSync DXNT" : name);
    }
  }
}

TEST_F(ProfileTransferTest, LoadingTakesTheDefaultForMissingOrEmptyKeys) {
  TrlCardConfig radeon = MakeCard("Radeon");
  Startup().WindowsVersion = wvWindows2000;
  TIniFile games = Games();
  games.WriteString("%Quake_Radeon%", "Antialiasing GL", "2");
  games.WriteString("%Quake_Radeon%", "VSync GL", "");
  games.WriteString("%Quake_Radeon%", "VSync DX", "9x value");
  games.WriteString("%Quake_Radeon%", "VSync DXNT", "0");
  games.WriteString("%Quake_Radeon%", "16-bit z-buffer GL", "not in the list");
  TFieldHub hub;
  hub.SelectCard(&radeon);
  hub.SetProfileName("Quake");
  hub.LoadFromProfile();
  for (int i = 0; i < hub.OptionCount(); ++i) {
    const TRegistryOption& option = hub.Options(i);
    EXPECT_EQ(option.SavedValue(), option.Value()) << option.Name();
  }
  auto valueOf = [&hub](const std::string& name) {
    for (int i = 0; i < hub.OptionCount(); ++i)
      if (hub.Options(i).Name() == name) return hub.Options(i).Value();
    return std::string("<none>");
  };
  EXPECT_EQ(valueOf("Antialiasing GL"), "2");
  EXPECT_EQ(valueOf("VSync GL"), "1");
  EXPECT_EQ(valueOf("VSync DX"), "0");
  EXPECT_EQ(valueOf("16-bit z-buffer GL"), "not in the list");
  EXPECT_EQ(valueOf("Antialiasing Quality DX"), "384");
  EXPECT_FALSE(hub.IsModified());
}

TEST_F(ProfileTransferTest, SavingWritesEveryOptionAndMarksTheValuesSaved) {
  TrlCardConfig tnt = MakeCard("TNT");
  TFieldHub hub;
  hub.SelectCard(&tnt);
  hub.SetProfileName("Unreal");
  hub.LoadFromProfile();
  hub.Options(0).SetValue("0");
  hub.Options(9).SetValue("");
  EXPECT_TRUE(hub.IsModified());
  hub.SaveToProfile();
  EXPECT_FALSE(hub.IsModified());
  TStrings lines;
  Games().ReadSectionValues("%Unreal_TNT%", lines);
  EXPECT_EQ(lines, (TStrings{"GL VSync control=0", "GL Prerender=2", "GL Flipping=2", "GL Quality=2",
                             "DX VSync=0", "DX Prerender=3", "DX Texel alignment=3",
                             "DX LOD bias=0", "DX WBuffer=1"}));  // an empty value reads as no line
  EXPECT_EQ(Games().ReadString("%Unreal_TNT%", "DX FogTable", "missing"), "");

  // An empty stored value loads the default again.
  hub.LoadFromProfile();
  EXPECT_EQ(hub.Options(9).Value(), "512");
  EXPECT_EQ(hub.Options(0).Value(), "0");
}

TEST_F(ProfileTransferTest, EachTransferGoesToGamesCfgOnce) {
  TrlCardConfig geForce = MakeCard("GeForce");
  TFieldHub hub;
  hub.SelectCard(&geForce);
  hub.SetProfileName("Unreal");
  TCountingFileSystem counting;
  TPlatformScope scope(PlatformWith(counting));
  hub.LoadFromProfile();
  EXPECT_EQ(counting.Reads, 1);
  hub.SaveToProfile();
  EXPECT_EQ(counting.Writes, 1);
  EXPECT_EQ(Games().ReadString("%Unreal_GeForce%", "DX 8bit textures", ""), "0");
}

TEST_F(ProfileTransferTest, AnOptionWhoseNameCannotBeAKeyIsLeftOutAtLoading) {
  Folder.Write("Odd.CFG", IniText({"[Good]", "Type=Switch", "Default=1", "[A=B]", "Type=Switch",
                                   "[;Semi]", "Type=Switch", "[[Bracket]", "Type=Switch"}) +
                              std::string("[Zero\0Byte]\r\nType=Switch\r\n", 26) +
                              IniText({"[Last]", "Type=Switch", "Default=0"}));
  Startup().LogEnabled = true;
  TrlCardConfig odd = MakeCard("Odd");
  TFieldHub hub;
  hub.SelectCard(&odd);
  EXPECT_EQ(OptionNames(hub), (TStrings{"Good", "Last"}));
  hub.SetProfileName("Quake");
  hub.LoadFromProfile();
  hub.SaveToProfile();
  TStrings lines;
  Games().ReadSectionValues("%Quake_Odd%", lines);
  EXPECT_EQ(lines, (TStrings{"Good=1", "Last=0"}));
  const std::string log = Folder.Read("TesmoraGL.Log");
  for (const char* name : {"A=B", ";Semi", "[Bracket"})
    EXPECT_NE(log.find("Option \"" + std::string(name) +
                       "\" left out: its name cannot be a key of Games.CFG"),
              std::string::npos)
        << log;
}

TEST_F(ProfileTransferTest, RevertPutsBackTheValuesLastLoadedOrSaved) {
  TrlCardConfig tnt = MakeCard("TNT");
  TFieldHub hub;
  hub.SelectCard(&tnt);
  hub.SetProfileName("Unreal");
  hub.LoadFromProfile();
  hub.Options(3).SetValue("10");
  hub.Options(5).SetValue("15");
  EXPECT_TRUE(hub.IsModified());
  hub.RevertValues();
  EXPECT_FALSE(hub.IsModified());
  EXPECT_EQ(hub.Options(3).Value(), "2");
  EXPECT_EQ(hub.Options(5).Value(), "3");
}

TEST_F(ProfileTransferTest, WithoutCardOrProfileNameNothingIsReadOrWritten) {
  TrlCardConfig unknown = MakeCard("");
  TrlCardConfig tnt = MakeCard("TNT");
  struct Case {
    const TrlCardConfig* Card;
    const char* Profile;
  } cases[] = {{nullptr, "Quake"}, {&unknown, "Quake"}, {&tnt, ""}};
  for (const Case& c : cases) {
    TFieldHub hub;
    hub.SelectCard(c.Card);
    hub.SetProfileName(c.Profile);
    EXPECT_THROW(hub.CheckProfileReady(), EAbort);
    EXPECT_THROW(hub.SaveToProfile(), EAbort);
    EXPECT_THROW(hub.LoadFromProfile(), EAbort);
    for (int i = 0; i < hub.OptionCount(); ++i) EXPECT_EQ(hub.Options(i).Value(), "");
  }
  EXPECT_FALSE(Folder.Exists("Games.CFG"));
}

TEST_F(ProfileTransferTest, SetProfileNameNotifiesOnlyOnAChange) {
  int reloads = 0;
  TFieldHub hub;
  hub.OnReloadValues = [&reloads] { ++reloads; };
  hub.SetProfileName("");
  EXPECT_EQ(reloads, 0);
  hub.SetProfileName("Quake");
  EXPECT_EQ(reloads, 1);
  hub.SetProfileName("Quake");
  EXPECT_EQ(reloads, 1);
  hub.SetProfileName("QUAKE");
  EXPECT_EQ(reloads, 2);
  EXPECT_EQ(hub.ProfileName(), "QUAKE");
  hub.OnReloadValues = nullptr;
  hub.SetProfileName("Doom");
  EXPECT_EQ(hub.ProfileName(), "Doom");
}

}  // namespace
}  // namespace tgl::test
