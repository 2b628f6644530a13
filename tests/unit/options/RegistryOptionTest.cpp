#include "options/RegistryOption.h"

#include "OptionsTestSupport.h"
#include "base/Errors.h"
#include "config/Log.h"
#include "config/ResourceIniFile.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

class RegistryOptionTest : public TCoreTest {
protected:
  // A reader over these lines, as an embedded text would give them.
  TResourceIniFile& Ini(const TStrings& lines) {
    Reader.SetStrings(lines);
    return Reader;
  }
  TResourceIniFile Reader{""};
};

TEST_F(RegistryOptionTest, AnEmptySectionGivesTheInitialState) {
  std::unique_ptr<TRegistryOption> option = TRegistryOption::Create(nullptr, "Plain", Ini({}));
  EXPECT_EQ(option->Name(), "Plain");
  EXPECT_EQ(option->Caption(), "Plain");
  EXPECT_EQ(option->ControlKind(), ckCombo);
  EXPECT_EQ(option->OptionType(), otList);
  EXPECT_EQ(option->LinkTag(), -1);
  EXPECT_EQ(option->StoreAs(), saDWord);
  EXPECT_EQ(option->PathIndex(), 0);
  EXPECT_FALSE(option->OSDependent());
  EXPECT_TRUE(option->Strings().empty());
  EXPECT_TRUE(option->Values().empty());
  EXPECT_EQ(option->Default(), "");
  EXPECT_EQ(option->Key(), "");
  EXPECT_EQ(option->Value(), "");
  EXPECT_EQ(option->Proxy(), nullptr);

  std::unique_ptr<TRegistryOption> slider = TRangeOption::Create(nullptr, "Slider", Ini({}));
  EXPECT_TRUE(slider->Strings().empty());
  EXPECT_TRUE(slider->Values().empty());
}

TEST_F(RegistryOptionTest, SwitchOptionsOfferEnableAndDisableWithoutListsOfTheirOwn) {
  auto& ini = Ini({"[S]", "Type=Switch", "[L]", "Type=List", "[C]", "Type=Switch", "Control=Combo"});
  std::unique_ptr<TRegistryOption> emptyTemplate = TRegistryOption::Create(nullptr, "T", ini);
  std::unique_ptr<TRegistryOption> switchOption =
      TSwitchOption::CreateFrom(nullptr, emptyTemplate.get(), "S", ini);
  EXPECT_EQ(switchOption->Strings(), Items("Enable|Disable"));
  EXPECT_EQ(switchOption->Values(), Items("1|0"));
  EXPECT_EQ(switchOption->OptionType(), otSwitch);
  EXPECT_EQ(switchOption->ControlKind(), ckCheck);
  std::unique_ptr<TRegistryOption> listOption = TSwitchOption::Create(nullptr, "L", ini);
  EXPECT_EQ(listOption->OptionType(), otList);
  EXPECT_EQ(listOption->ControlKind(), ckCombo);
  EXPECT_EQ(listOption->Values(), Items("1|0"));
  EXPECT_EQ(TSwitchOption::Create(nullptr, "C", ini)->ControlKind(), ckCombo);
}

TEST_F(RegistryOptionTest, ReadsEveryKeyOfItsSection) {
  auto& ini = Ini({
      "[Opt]",
      "Caption=Shown caption",
      "Description=Some hint",
      "Key=Sub\\Value",
      "Path=2",
      "OSDependent=1",
      "StoreAs=bindword",
      "Type=List",
      "Control=Check",
      "Default=Ah",
      "Strings=\"\"One item\", \"Two items\"\"",
      "Values=1h, 2",
      "LinkTag=$10",
  });
  std::unique_ptr<TRegistryOption> option = TSwitchOption::Create(nullptr, "Opt", ini);
  EXPECT_EQ(option->Caption(), "Shown caption");
  EXPECT_EQ(option->Description(), "Some hint");
  EXPECT_EQ(option->Key(), "Sub\\Value");
  EXPECT_EQ(option->PathIndex(), 2);
  EXPECT_TRUE(option->OSDependent());
  EXPECT_EQ(option->StoreAs(), saBinDWord);
  EXPECT_EQ(option->OptionType(), otList);
  EXPECT_EQ(option->ControlKind(), ckCheck);
  EXPECT_EQ(option->Default(), "10");
  EXPECT_EQ(option->Strings(), Items("One item|Two items"));
  EXPECT_EQ(option->Values(), Items("1|2"));
  EXPECT_EQ(option->LinkTag(), 16);
}

TEST_F(RegistryOptionTest, ValuesAreHexadecimalOnlyForIntegerStorage) {
  struct Case {
    const char* StoreAs;
    const char* Values;
  } cases[] = {{"DWord", "2|6|10"}, {"BinDWord", "2|6|10"}, {"String", "2h|6h|Ah"}, {"Binary", "2h|6h|Ah"}};
  for (const Case& c : cases) {
    std::string storeAs = std::string("StoreAs=") + c.StoreAs;
    auto& ini = Ini({"[Q]", "Type=Switch", storeAs, "Default=2h", "Values=2h, 6h, Ah"});
    std::unique_ptr<TRegistryOption> option = TSwitchOption::Create(nullptr, "Q", ini);
    EXPECT_EQ(option->Values(), Items(c.Values)) << c.StoreAs;
    EXPECT_EQ(option->Default(), "2") << c.StoreAs;
  }
  // A non-hexadecimal form among values that are never converted does no harm.
  EXPECT_EQ(TSwitchOption::Create(nullptr, "Q", Ini({"[Q]", "StoreAs=String", "Values=0x10h"}))->Values(),
            Items("0x10h"));
}

TEST_F(RegistryOptionTest, NonHexadecimalFormsStopTheReading) {
  for (const TStrings& lines : {TStrings{"[Q]", "Default=-1h"}, TStrings{"[Q]", "Values=1, 0x10h"},
                                TStrings{"[Q]", "StoreAs=BinDWord", "Values=zzh"}}) {
    try {
      TSwitchOption::Create(nullptr, "Q", Ini(lines));
      ADD_FAILURE() << lines[1];
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), "String contains non-HEX data");
    }
  }
}

TEST_F(RegistryOptionTest, UnknownKeywordsAreTheSilentAbort) {
  for (const char* line : {"StoreAs=Integer", "Type=Bool", "Control=Button", "Control=\"Check \""})
    EXPECT_THROW(TSwitchOption::Create(nullptr, "Q", Ini({"[Q]", line})), EAbort) << line;
}

TEST_F(RegistryOptionTest, IntegerKeysKeepTheirValueWhenNotAnInteger) {
  auto& ini = Ini({"[T]", "LinkTag=5", "Path=3", "[Q]", "LinkTag=abc", "Path=", "OSDependent=yes",
                   "[H]", "LinkTag=0x1F", "Path=-1", "OSDependent=-1"});
  std::unique_ptr<TRegistryOption> templ = TRegistryOption::Create(nullptr, "T", ini);
  std::unique_ptr<TRegistryOption> kept = TSwitchOption::CreateFrom(nullptr, templ.get(), "Q", ini);
  EXPECT_EQ(kept->LinkTag(), 5);
  EXPECT_EQ(kept->PathIndex(), 3);
  EXPECT_FALSE(kept->OSDependent());
  std::unique_ptr<TRegistryOption> read = TSwitchOption::CreateFrom(nullptr, templ.get(), "H", ini);
  EXPECT_EQ(read->LinkTag(), 31);
  EXPECT_EQ(read->PathIndex(), -1);
  EXPECT_TRUE(read->OSDependent());
}

TEST_F(RegistryOptionTest, ATemplatePassesOnAllButCaptionTypeControlAndOSDependence) {
  auto& ini = Ini({
      "[T]", "Caption=Template caption", "Description=Template hint", "Key=T\\Key", "Path=1",
      "OSDependent=1", "StoreAs=String", "Type=Switch", "Control=Combo", "Default=7",
      "Strings=Seven, Eight", "Values=7, 8", "LinkTag=42",
      "[Empty]",
      "[Own]", "Strings=", "Values=", "Default=", "Key=Own\\Key",
  });
  std::unique_ptr<TRegistryOption> templ = TSwitchOption::Create(nullptr, "T", ini);
  std::unique_ptr<TRegistryOption> option = TRegistryOption::CreateFrom(nullptr, templ.get(), "Empty", ini);
  EXPECT_EQ(option->Name(), "Empty");
  EXPECT_EQ(option->Caption(), "Empty");
  EXPECT_EQ(option->Description(), "Template hint");
  EXPECT_EQ(option->Key(), "T\\Key");
  EXPECT_EQ(option->PathIndex(), 1);
  EXPECT_FALSE(option->OSDependent());
  EXPECT_EQ(option->StoreAs(), saString);
  EXPECT_EQ(option->OptionType(), otList);
  EXPECT_EQ(option->ControlKind(), ckCombo);
  EXPECT_EQ(option->Default(), "7");
  EXPECT_EQ(option->Strings(), Items("Seven|Eight"));
  EXPECT_EQ(option->Values(), Items("7|8"));
  EXPECT_EQ(option->LinkTag(), 42);
  // Empty list texts keep the lists; an empty default is a default of its own.
  std::unique_ptr<TRegistryOption> own = TSwitchOption::CreateFrom(nullptr, templ.get(), "Own", ini);
  EXPECT_EQ(own->Strings(), Items("Seven|Eight"));
  EXPECT_EQ(own->Values(), Items("7|8"));
  EXPECT_EQ(own->Default(), "");
  EXPECT_EQ(own->Key(), "Own\\Key");
}

TEST_F(RegistryOptionTest, ListsWithAwkwardItemsPassThroughATemplateUnchanged) {
  auto& ini = Ini({"[T]", "Strings=\"\"a \"\"quoted\"\" item\", \"\", \"with, comma\", \"\"\"", "Values=,,x",
                   "[Q]"});
  std::unique_ptr<TRegistryOption> templ = TRegistryOption::Create(nullptr, "T", ini);
  ASSERT_EQ(templ->Strings(), (TStrings{"a \"quoted\" item", "", "with, comma", ""}));
  ASSERT_EQ(templ->Values(), (TStrings{"", "", "x"}));
  std::unique_ptr<TRegistryOption> option = TSwitchOption::CreateFrom(nullptr, templ.get(), "Q", ini);
  EXPECT_EQ(option->Strings(), templ->Strings());
  EXPECT_EQ(option->Values(), templ->Values());
}

TEST_F(RegistryOptionTest, NTKeysAreChosenKeyByKeyInNTModeOnly) {
  auto& ini = Ini({"[Q]", "Key=9x", "keynt=nt", "Default=1", "Path=1", "PathNT=2"});
  EXPECT_EQ(NTKeyName(ini, "Q", "Key"), "Key");
  Startup().WindowsVersion = wvWindowsMe;
  EXPECT_EQ(NTKeyName(ini, "Q", "Key"), "Key");
  Startup().WindowsVersion = wvWindows2000;
  EXPECT_EQ(NTKeyName(ini, "Q", "Key"), "KeyNT");
  EXPECT_EQ(NTKeyName(ini, "Q", "Default"), "Default");
  EXPECT_EQ(NTKeyName(ini, "Other", "Key"), "Key");
  std::unique_ptr<TRegistryOption> option = TSwitchOption::Create(nullptr, "Q", ini);
  EXPECT_EQ(option->Key(), "nt");
  EXPECT_EQ(option->PathIndex(), 2);
  EXPECT_EQ(option->Default(), "1");
}

TEST_F(RegistryOptionTest, ValueIndexFindsTheFirstExactMatch) {
  std::unique_ptr<TRegistryOption> option =
      TSwitchOption::Create(nullptr, "Q", Ini({"[Q]", "StoreAs=String", "Values=a, B, a, 01"}));
  struct Case {
    const char* Value;
    int Index;
  } cases[] = {{"a", 0}, {"B", 1}, {"b", -1}, {"01", 3}, {"1", -1}, {"", -1}};
  for (const Case& c : cases) {
    option->SetValue(c.Value);
    EXPECT_EQ(option->ValueIndex(), c.Index) << c.Value;
  }
}

TEST_F(RegistryOptionTest, CheckUpValueReplacesValuesOutsideTheListAndLogsIt) {
  Startup().LogEnabled = true;
  auto& ini = Ini({"[Combo]", "Type=List", "Default=0", "Values=0, 1, 2", "[Slider]", "Type=Slider",
                   "Control=Slider", "Default=0", "Values=0, 1", "[Empty]", "Type=Slider", "Default=5"});
  std::unique_ptr<TRegistryOption> combo = TSwitchOption::Create(nullptr, "Combo", ini);
  struct Case {
    const char* Value;
    bool Replaced;
  } cases[] = {{"3", true}, {"1", false}, {"01", true}, {"", true}, {"2", false}};
  for (const Case& c : cases) {
    combo->SetValue(c.Value);
    EXPECT_EQ(combo->CheckUpValue(), c.Replaced) << c.Value;
    EXPECT_EQ(combo->Value(), c.Replaced ? "0" : c.Value) << c.Value;
  }
  EXPECT_EQ(Folder.Read(LogFileName),
            "\r\nTRegistryOption.CheckUpValue: Value not in list"
            "\r\n  Value of \"Combo\" is: \"3\", setted default: \"0\""
            "\r\nTRegistryOption.CheckUpValue: Value not in list"
            "\r\n  Value of \"Combo\" is: \"01\", setted default: \"0\""
            "\r\nTRegistryOption.CheckUpValue: Value not in list"
            "\r\n  Value of \"Combo\" is: \"\", setted default: \"0\"");

  std::unique_ptr<TRegistryOption> slider = TRangeOption::Create(nullptr, "Slider", ini);
  slider->SetValue("99");
  EXPECT_FALSE(slider->CheckUpValue());
  EXPECT_EQ(slider->Value(), "99");
  // A slider option without a slider control is checked, and an empty list holds nothing.
  std::unique_ptr<TRegistryOption> empty = TRangeOption::Create(nullptr, "Empty", ini);
  empty->SetValue("7");
  EXPECT_TRUE(empty->CheckUpValue());
  EXPECT_EQ(empty->Value(), "5");
}

TEST_F(RegistryOptionTest, AnOptionOwnsItsProxy) {
  struct TCountedProxy : TOptionProxy {
    explicit TCountedProxy(int& alive) : Alive(alive) { ++Alive; }
    ~TCountedProxy() override { --Alive; }
    int& Alive;
  };
  int alive = 0;
  {
    std::unique_ptr<TRegistryOption> option = TSwitchOption::Create(nullptr, "Q", Ini({}));
    option->SetProxy(std::make_unique<TCountedProxy>(alive));
    EXPECT_EQ(alive, 1);
    EXPECT_NE(option->Proxy(), nullptr);
  }
  EXPECT_EQ(alive, 0);
}

}  // namespace
}  // namespace tgl::test
