#include "options/OptionKeywords.h"

#include "options/FieldHub.h"
#include "options/RegistryOption.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

TEST(OptionKeywordsTest, KeywordsMatchAfterUpperCasingOnly) {
  EXPECT_EQ(TFieldHub::OptionTypeOf("Switch"), otSwitch);
  EXPECT_EQ(TFieldHub::OptionTypeOf("switch"), otSwitch);
  EXPECT_EQ(TFieldHub::OptionTypeOf("LIST"), otList);
  EXPECT_EQ(TFieldHub::OptionTypeOf("sLiDeR"), otSlider);
  EXPECT_EQ(TFieldHub::ControlKindOf("Check"), ckCheck);
  EXPECT_EQ(TFieldHub::ControlKindOf("combo"), ckCombo);
  EXPECT_EQ(TFieldHub::ControlKindOf("Radio"), ckRadio);
  EXPECT_EQ(TFieldHub::ControlKindOf("Slider"), ckSlider);
  EXPECT_EQ(TFieldHub::StoreAsOf("DWord"), saDWord);
  EXPECT_EQ(TFieldHub::StoreAsOf("String"), saString);
  EXPECT_EQ(TFieldHub::StoreAsOf("binary"), saBinary);
  EXPECT_EQ(TFieldHub::StoreAsOf("BinDWord"), saBinDWord);
}

TEST(OptionKeywordsTest, AnythingElseIsTheSilentAbort) {
  for (const char* text : {"", "Check ", " Check", "Chec", "CHECKBOX", "Switch", "\xe7heck"})
    EXPECT_THROW(TFieldHub::ControlKindOf(text), EAbort) << text;
  for (const char* text : {"", "Bool", "Lists", "DWord"})
    EXPECT_THROW(TFieldHub::OptionTypeOf(text), EAbort) << text;
  for (const char* text : {"", "Integer", "REG_DWORD", "Bin DWord"})
    EXPECT_THROW(TFieldHub::StoreAsOf(text), EAbort) << text;
}

TEST(OptionKeywordsTest, TypeFallbackAndOptionClasses) {
  EXPECT_EQ(TFieldHub::OptionTypeOr("Slider", otSwitch), otSlider);
  EXPECT_EQ(TFieldHub::OptionTypeOr("", otSwitch), otSwitch);
  EXPECT_EQ(TFieldHub::OptionTypeOr("nonsense", otSlider), otSlider);
  EXPECT_EQ(TFieldHub::OptionClassFor(otSlider), &TRangeOption::CreateFrom);
  EXPECT_EQ(TFieldHub::OptionClassFor(otSwitch), &TSwitchOption::CreateFrom);
  EXPECT_EQ(TFieldHub::OptionClassFor(otList), &TSwitchOption::CreateFrom);
}

}  // namespace
}  // namespace tgl::test
