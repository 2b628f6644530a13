#include <sys/stat.h>

#include "OptionsTestSupport.h"
#include "base/Errors.h"
#include "options/FieldHub.h"
#include "support/CountingFileSystem.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

class DefinitionLoadingTest : public TCoreTest {
protected:
  void WriteDefinition(const std::string& name, std::initializer_list<const char*> lines) {
    Folder.Write(name + ".CFG", IniText(lines));
  }
  // Selects a card of this tuning file on `hub`; the card lives as long as the test.
  const TrlCardConfig& Select(TFieldHub& hub, const std::string& tuningFile) {
    Cards.push_back(std::make_unique<TrlCardConfig>(MakeCard(tuningFile)));
    hub.SelectCard(Cards.back().get());
    return *Cards.back();
  }
  std::vector<std::unique_ptr<TrlCardConfig>> Cards;
};

TEST_F(DefinitionLoadingTest, AnIncludeLoadsWhereItStandsAmongTheGeneralKeys) {
  WriteDefinition("Main", {"[%General%]", "Path1=main", "include=Base", "Path2=main", "[M1]",
                           "Type=Switch"});
  WriteDefinition("Base", {"[%General%]", "Path1=base", "Path2=base", "Path3=base", "[B1]",
                           "Type=Switch", "[B2]", "Type=List"});
  TFieldHub hub;
  Select(hub, "Main");
  EXPECT_EQ(hub.Paths(), (TStrings{Win95DriverKey, "base", "main", "base"}));
  EXPECT_EQ(OptionNames(hub), (TStrings{"B1", "B2", "M1"}));
}

TEST_F(DefinitionLoadingTest, PathKeysGrowTheListAndSkipWhatTheyCannotSet) {
  WriteDefinition("Main", {"[%General%]", "Path3=three", "Path0=\\HKCU\\Software\\Replaced\\",
                           "PathX=not a number", "Path-1=negative", "Path 2=two", "Path=no number",
                           "Path$5=hex five", "pAtH4=four", "Path99999=too far", "Paths=none",
                           "[Opt]", "Type=Switch"});
  TFieldHub hub;
  Select(hub, "Main");
  EXPECT_EQ(hub.Paths(),
            (TStrings{"\\HKCU\\Software\\Replaced\\", "", "two", "three", "four", "hex five"}));
  EXPECT_EQ(hub.PathEntry(5), "hex five");
  try {
    hub.PathEntry(6);
    ADD_FAILURE();
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (6)");
  }
  EXPECT_THROW(hub.PathEntry(-1), EError);
}

TEST_F(DefinitionLoadingTest, TheFrameNameOfTheCardsOwnFileWinsEvenWhenEmpty) {
  WriteDefinition("Framed", {"[%General%]", "Frame=BaseFrame"});
  WriteDefinition("NoFrame", {"[%General%]", "include=Framed"});
  WriteDefinition("OwnFrame", {"[%General%]", "frame=Mine", "include=Framed"});
  struct Case {
    const char* TuningFile;
    const char* FrameName;
    const char* UsedFrame;
  } cases[] = {{"Framed", "BaseFrame", "BaseFrame"}, {"NoFrame", "", "NoFrame"}, {"OwnFrame", "Mine", "Mine"}};
  for (const Case& c : cases) {
    TFieldHub hub;
    Select(hub, c.TuningFile);
    EXPECT_EQ(hub.FrameName(), c.FrameName) << c.TuningFile;
    EXPECT_EQ(hub.GetFrameName(), c.UsedFrame) << c.TuningFile;
  }
}

TEST_F(DefinitionLoadingTest, CommonTemplatesCarryOverFromFileToFile) {
  WriteDefinition("Base", {"[%Common%]", "StoreAs=String", "LinkTag=7", "Description=common hint",
                           "Key=Common\\Key", "[%Common9x%]", "Path=2", "[%CommonNT%]", "Path=3",
                           "Key=NT\\Key", "[%Common_9x%]", "Path=9", "[BaseOpt]", "Type=Switch"});
  WriteDefinition("Main", {"[%General%]", "include=Base", "[%Common%]", "Default=5", "Values=5, 6",
                           "[MainOpt]", "Type=List", "[Slider]", "Type=Slider"});
  for (int version : {wvWindows98, wvWindows2000}) {
    Startup().WindowsVersion = version;
    const int path = version == wvWindows2000 ? 3 : 2;
    const char* key = version == wvWindows2000 ? "NT\\Key" : "Common\\Key";
    TFieldHub hub;
    Select(hub, "Main");
    ASSERT_EQ(OptionNames(hub), (TStrings{"BaseOpt", "MainOpt", "Slider"}));
    for (int i = 0; i < hub.OptionCount(); ++i) {
      const TRegistryOption& option = hub.Options(i);
      EXPECT_EQ(option.StoreAs(), saString) << option.Name();
      EXPECT_EQ(option.LinkTag(), 7) << option.Name();
      EXPECT_EQ(option.Description(), "common hint") << option.Name();
      EXPECT_EQ(option.Key(), key) << option.Name();
      EXPECT_EQ(option.PathIndex(), path) << option.Name();
      EXPECT_EQ(option.Caption(), option.Name());
    }
    // The included file was done before the including file's common sections were read.
    EXPECT_EQ(hub.Options(0).Default(), "");
    EXPECT_EQ(hub.Options(0).Values(), Items("1|0"));
    EXPECT_EQ(hub.Options(1).Default(), "5");
    EXPECT_EQ(hub.Options(1).Values(), Items("5|6"));
    EXPECT_EQ(hub.Options(1).Strings(), Items("Enable|Disable"));
    EXPECT_NE(dynamic_cast<const TRangeOption*>(&hub.Options(2)), nullptr);
    EXPECT_EQ(hub.Options(2).Values(), Items("5|6"));
    EXPECT_TRUE(hub.Options(2).Strings().empty());
    ASSERT_NE(hub.CommonTemplate(), nullptr);
    EXPECT_EQ(hub.CommonTemplate()->Default(), "5");
  }
}

TEST_F(DefinitionLoadingTest, NTVariantsReplaceTheirKeyOneByOne) {
  WriteDefinition("Main", {"[Opt]", "Type=Switch", "Caption=Plain caption", "CaptionNT=ignored",
                           "Key=9x\\Key", "KeyNT=NT\\Key", "StoreAs=String", "StoreAsNT=DWord",
                           "Default=Ah", "DefaultNT=Bh", "Values=Ah, 0", "ValuesNT=0, Bh",
                           "Strings=On, Off", "StringsNT=ignored, too", "PathNT=1",
                           "[OnlyNT]", "Type=Switch", "DefaultNT=1"});
  struct Case {
    int Version;
    const char* Key;
    TStoreAs StoreAs;
    const char* Default;
    const char* Values;
    int Path;
    const char* OnlyNTDefault;
  } cases[] = {{wvWindows95, "9x\\Key", saString, "10", "Ah|0", 0, ""},
               {wvWindowsMe, "9x\\Key", saString, "10", "Ah|0", 0, ""},
               {wvWindows2000, "NT\\Key", saDWord, "11", "0|11", 1, "1"}};
  for (const Case& c : cases) {
    Startup().WindowsVersion = c.Version;
    TFieldHub hub;
    Select(hub, "Main");
    const TRegistryOption& option = hub.Options(0);
    EXPECT_EQ(option.Key(), c.Key) << c.Version;
    EXPECT_EQ(option.StoreAs(), c.StoreAs) << c.Version;
    EXPECT_EQ(option.Default(), c.Default) << c.Version;
    EXPECT_EQ(option.Values(), Items(c.Values)) << c.Version;
    EXPECT_EQ(option.PathIndex(), c.Path) << c.Version;
    EXPECT_EQ(option.Strings(), Items("On|Off")) << c.Version;
    EXPECT_EQ(option.Caption(), "Plain caption") << c.Version;
    EXPECT_EQ(hub.Options(1).Default(), c.OnlyNTDefault) << c.Version;
  }
}

TEST_F(DefinitionLoadingTest, AnOverrideStartsFromTheOptionItReplacesAndMovesToItsPlace) {
  WriteDefinition("Base", {"[Opt]", "Caption=Base caption", "Description=Base hint",
                           "Key=Base\\Key", "Path=1", "Type=Switch", "Control=Check",
                           "StoreAs=String", "Default=1", "Strings=Yes, No", "Values=1, 0",
                           "LinkTag=5", "OSDependent=1", "[Other]", "Type=Switch", "[Slide]",
                           "Type=Slider", "Control=Slider"});
  WriteDefinition("Main", {"[%General%]", "include=Base", "[First]", "Type=List", "[Opt]",
                           "Values=3, 4", "[Slide]", "Default=2", "[Other]", "Type=Slider"});
  TFieldHub hub;
  Select(hub, "Main");
  ASSERT_EQ(OptionNames(hub), (TStrings{"First", "Opt", "Slide", "Other"}));

  const TRegistryOption& opt = hub.Options(1);
  EXPECT_NE(dynamic_cast<const TSwitchOption*>(&opt), nullptr);
  EXPECT_EQ(opt.Caption(), "Opt");
  EXPECT_EQ(opt.Description(), "Base hint");
  EXPECT_EQ(opt.Key(), "Base\\Key");
  EXPECT_EQ(opt.PathIndex(), 1);
  EXPECT_EQ(opt.StoreAs(), saString);
  EXPECT_EQ(opt.Default(), "1");
  EXPECT_EQ(opt.Strings(), Items("Yes|No"));
  EXPECT_EQ(opt.Values(), Items("3|4"));
  EXPECT_EQ(opt.LinkTag(), 5);
  EXPECT_EQ(opt.OptionType(), otList);
  EXPECT_EQ(opt.ControlKind(), ckCombo);
  EXPECT_FALSE(opt.OSDependent());

  // Without a type of its own an override keeps the class of what it replaces.
  const TRegistryOption& slide = hub.Options(2);
  EXPECT_NE(dynamic_cast<const TRangeOption*>(&slide), nullptr);
  EXPECT_EQ(slide.OptionType(), otList);
  EXPECT_EQ(slide.ControlKind(), ckCombo);
  EXPECT_EQ(slide.Default(), "2");
  const TRegistryOption& other = hub.Options(3);
  EXPECT_NE(dynamic_cast<const TRangeOption*>(&other), nullptr);
  EXPECT_EQ(other.OptionType(), otSlider);
}

TEST_F(DefinitionLoadingTest, LoadFailuresKeepTheOptionsLoadedSoFar) {
  WriteDefinition("Base", {"[Good]", "Type=Switch"});
  struct Case {
    std::vector<const char*> Lines;
    const char* Error;  // nullptr for the silent abort
  } cases[] = {
      {{"[Bad]", "Type=Switch", "StoreAs=Integer"}, nullptr},
      {{"[Bad]", "Type=Bool"}, nullptr},
      {{"[Bad]", "Type=Switch", "Control=Button"}, nullptr},
      {{"[Bad]", "Caption=No type"}, nullptr},
      {{"[Bad]", "Type="}, nullptr},
      {{"[%Common%]", "StoreAs=Word", "[Bad]", "Type=Switch"}, nullptr},
      {{"[%Common9x%]", "Control=Knob", "[Bad]", "Type=Switch"}, nullptr},
      {{"[Bad]", "Type=Switch", "Default=xyzh"}, "String contains non-HEX data"},
      {{"[Bad]", "Type=Switch", "Values=1h, 0x1h"}, "String contains non-HEX data"},
  };
  for (const Case& c : cases) {
    std::string text = IniText({"[%General%]", "include=Base"});
    for (const char* line : c.Lines) text += std::string(line) + "\r\n";
    Folder.Write("Main.CFG", text);
    TRecordingHub hub;
    TrlCardConfig card = MakeCard("Main");
    if (c.Error) {
      try {
        hub.SelectCard(&card);
        ADD_FAILURE() << c.Lines[1];
      } catch (const EError& error) {
        EXPECT_STREQ(error.what(), c.Error);
      }
    } else {
      EXPECT_THROW(hub.SelectCard(&card), EAbort) << c.Lines[1];
    }
    EXPECT_EQ(hub.CurrentCard(), &card);
    EXPECT_EQ(OptionNames(hub), (TStrings{"Good"})) << c.Lines[1];
    EXPECT_TRUE(hub.Steps.empty()) << c.Lines[1];
    hub.SelectCard(nullptr);
    EXPECT_EQ(hub.OptionCount(), 0);
  }
}

TEST_F(DefinitionLoadingTest, OnlyTheCommonSectionOfTheModeInUseIsRead) {
  WriteDefinition("Main", {"[%CommonNT%]", "StoreAs=Nonsense", "[Opt]", "Type=Switch"});
  TFieldHub hub;
  Select(hub, "Main");
  EXPECT_EQ(hub.OptionCount(), 1);
  Startup().WindowsVersion = wvWindows2000;
  TFieldHub ntHub;
  EXPECT_THROW(Select(ntHub, "Main"), EAbort);
  EXPECT_EQ(ntHub.OptionCount(), 0);
}

TEST_F(DefinitionLoadingTest, AnIncludeThatWouldLoopIsRefused) {
  WriteDefinition("Self", {"[%General%]", "include=SELF", "[S]", "Type=Switch"});
  WriteDefinition("RingA", {"[%General%]", "include=RingB", "[A]", "Type=Switch"});
  WriteDefinition("RingB", {"[%General%]", "include=ringa", "[B]", "Type=Switch"});
  struct Case {
    const char* TuningFile;
    TStrings Names;
  } cases[] = {{"Self", {"S"}}, {"RingA", {"B", "A"}}, {"RingB", {"A", "B"}}};
  for (const Case& c : cases) {
    TFieldHub hub;
    Select(hub, c.TuningFile);
    EXPECT_EQ(OptionNames(hub), c.Names) << c.TuningFile;
  }
}

TEST_F(DefinitionLoadingTest, AFileIncludedTwiceWithoutALoopLoadsTwice) {
  WriteDefinition("Shared", {"[S]", "Type=Switch"});
  WriteDefinition("Left", {"[%General%]", "include=Shared", "[L]", "Type=Switch"});
  WriteDefinition("Right", {"[%General%]", "include=Shared", "[R]", "Type=Switch"});
  WriteDefinition("Top", {"[%General%]", "include1=Left", "include2=Right", "[T]", "Type=Switch"});
  TFieldHub hub;
  Select(hub, "Top");
  EXPECT_EQ(OptionNames(hub), (TStrings{"L", "S", "R", "T"}));
}

TEST_F(DefinitionLoadingTest, AnotherSpellingOfAFileBeingLoadedIsThatFile) {
  ASSERT_EQ(::mkdir((Folder.Path() + "sub").c_str(), 0755), 0);
  WriteDefinition("A", {"[%General%]", "include1=./A", "include2=././A", "include3=.//A",
                        "include4=sub/../A", "include5=sub/./../A", "include6=a", "[Opt]",
                        "Type=Switch"});
  TCountingFileSystem counting;
  TPlatformScope scope(PlatformWith(counting));
  TFieldHub hub;
  Select(hub, "A");
  EXPECT_EQ(OptionNames(hub), (TStrings{"Opt"}));
  EXPECT_EQ(counting.Reads, 1);
}

TEST_F(DefinitionLoadingTest, TheLoadsOfOneSelectCardAreBounded) {
  // Each file includes the next one twice: the nine files make 511 loads, and every further
  // file would double them.
  for (int i = 0; i < 8; ++i) {
    std::string next = "C" + std::to_string(i + 1);
    Folder.Write("C" + std::to_string(i) + ".CFG",
                 IniText({"[%General%]", ("include1=" + next).c_str(),
                          ("include2=" + next).c_str()}));
  }
  WriteDefinition("C8", {"[Last]", "Type=Switch"});
  TRecordingHub hub;
  TrlCardConfig card = MakeCard("C0");
  EXPECT_THROW(hub.SelectCard(&card), EAbort);
  EXPECT_EQ(hub.CurrentCard(), &card);
  EXPECT_EQ(OptionNames(hub), (TStrings{"Last"}));
  EXPECT_TRUE(hub.Steps.empty());
  // The next card starts with a fresh count.
  TrlCardConfig small = MakeCard("C6");
  hub.SelectCard(&small);
  EXPECT_EQ(OptionNames(hub), (TStrings{"Last"}));
  EXPECT_EQ(hub.Steps.size(), 3u);
}

TEST_F(DefinitionLoadingTest, EveryLoadReadsItsDiskFileOnce) {
  WriteDefinition("Base", {"[%Common%]", "StoreAs=String", "[B1]", "Type=Switch", "Default=1",
                           "[B2]", "Type=List", "Values=1, 2", "StringsNT=x"});
  WriteDefinition("Main", {"[%General%]", "Path1=x", "include=Base", "[M1]", "Type=Switch",
                           "Caption=One", "[M2]", "Type=Slider", "LinkTag=4"});
  for (int version : {wvWindows98, wvWindows2000}) {
    Startup().WindowsVersion = version;
    TCountingFileSystem counting;
    TPlatformScope scope(PlatformWith(counting));
    TFieldHub hub;
    Select(hub, "Main");
    EXPECT_EQ(OptionNames(hub), (TStrings{"B1", "B2", "M1", "M2"}));
    EXPECT_EQ(counting.Reads, 2) << version;
  }
}

TEST_F(DefinitionLoadingTest, AnIncludeOfNothingLoadsNothing) {
  WriteDefinition("Main", {"[%General%]", "include=Nowhere", "include2=", "[Opt]", "Type=List"});
  TFieldHub hub;
  Select(hub, "Main");
  EXPECT_EQ(OptionNames(hub), (TStrings{"Opt"}));
}

TEST_F(DefinitionLoadingTest, WithoutCommonSectionsOptionsStartFromDWordPathZeroAndNoTag) {
  WriteDefinition("Main", {"[%General%]", "[Opt]", "Type=List"});
  TFieldHub hub;
  Select(hub, "Main");
  EXPECT_EQ(hub.Paths(), (TStrings{Win95DriverKey}));
  const TRegistryOption& option = hub.Options(0);
  EXPECT_EQ(option.StoreAs(), saDWord);
  EXPECT_EQ(option.PathIndex(), 0);
  EXPECT_EQ(option.LinkTag(), -1);
}

TEST_F(DefinitionLoadingTest, IncludesReadADiskFileInPlaceOfTheEmbeddedText) {
  WriteDefinition("tnt", {"[Mine]", "Type=Switch", "[DX LOD bias]", "Type=List"});
  TFieldHub hub;
  Select(hub, "GeForce");
  ASSERT_GE(hub.OptionCount(), 1);
  EXPECT_EQ(hub.Options(0).Name(), "Mine");
  EXPECT_EQ(hub.OptionCount(), 10);
  EXPECT_EQ(hub.Paths(), (TStrings{Win95DriverKey}));
}

TEST_F(DefinitionLoadingTest, SelectCardLoadsThenBuildsFrameAndBindingsThenNotifies) {
  WriteDefinition("One", {"[A]", "Type=Switch"});
  WriteDefinition("Two", {"[B]", "Type=Switch"});
  TrlCardConfig one = MakeCard("One"), two = MakeCard("Two");
  TRecordingHub hub;
  hub.SelectCard(&one);
  EXPECT_EQ(hub.Steps, (std::vector<std::string>{"CreateFrame", "LinkControls", "OnReloadValues"}));
  hub.Steps.clear();
  hub.SelectCard(&one);
  EXPECT_TRUE(hub.Steps.empty());
  hub.SelectCard(&two);
  EXPECT_EQ(OptionNames(hub), (TStrings{"B"}));
  hub.SelectCard(&one);
  EXPECT_EQ(OptionNames(hub), (TStrings{"A"}));
  EXPECT_EQ(hub.Steps.size(), 6u);

  hub.Steps.clear();
  hub.FailCreateFrame = true;
  EXPECT_THROW(hub.SelectCard(&two), EError);
  EXPECT_EQ(hub.Steps, (std::vector<std::string>{"CreateFrame"}));
  EXPECT_EQ(hub.CurrentCard(), &two);
  EXPECT_EQ(OptionNames(hub), (TStrings{"B"}));

  hub.SelectCard(nullptr);
  EXPECT_EQ(hub.CurrentCard(), nullptr);
  EXPECT_EQ(hub.OptionCount(), 0);
  EXPECT_TRUE(hub.Paths().empty());
  EXPECT_EQ(hub.GetTuningFile(), "");
}

}  // namespace
}  // namespace tgl::test
