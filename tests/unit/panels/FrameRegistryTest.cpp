// The frame registry: registration by name, creation by name whatever the letter case, the
// first class registered under a name, and the error for a name nobody registered.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "cards/CardConfig.h"
#include "panels/FrameRadeon.h"
#include "panels/FrameRegistry.h"
#include "panels/FrameTNT.h"

namespace tgl::test {
namespace {

std::string ErrorOf(const TFrameRegistry& registry, const std::string& name) {
  try {
    registry.CreateTuningFrame(name, nullptr);
  } catch (const EError& error) {
    return error.what();
  }
  return "<no error>";
}

TEST(FrameRegistry, TheBuiltInFramesAreRegisteredUpperCasedInOrder) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  EXPECT_EQ(registry.Names(), (std::vector<std::string>{"TNT", "GEFORCE", "RADEON", "VOODOO3",
                                                        "VSA100", "RAGEPRO"}));
}

TEST(FrameRegistry, NamesAreFoundWhateverTheirLetterCase) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  struct Case {
    const char* Name;
    const char* ClassName;
  } cases[] = {
      {"Vsa100", "TFrameVSA100Frame"}, {"VSA100", "TFrameVSA100Frame"},
      {"vsa100", "TFrameVSA100Frame"}, {"geforce", "TGeForceFrame"},
      {"TNT", "TTNTFrame"},            {"tNt", "TTNTFrame"},
      {"RADEON", "TRadeonFrame"},      {"voodoo3", "TVoodoo3Frame"},
      {"ragepro", "TRageProFrame"},
  };
  for (const Case& c : cases) EXPECT_EQ(registry.CreateTuningFrame(c.Name, nullptr)->ClassName(), c.ClassName) << c.Name;
}

TEST(FrameRegistry, ANameNobodyRegisteredIsAnError) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  // Voodoo4 has a definition file but no frame of its own: it must name one.
  for (const char* name : {"Voodoo4", "Voodoo6000", "", "TNT ", "GeForce2", "Generic"})
    EXPECT_EQ(ErrorOf(registry, name), "Couldn't find appropriate tuning frame") << name;
  EXPECT_EQ(ErrorOf(TFrameRegistry(), "TNT"), "Couldn't find appropriate tuning frame");
}

TEST(FrameRegistry, TheClassRegisteredFirstUnderANameIsCreated) {
  TFrameRegistry registry;
  registry.RegisterTuningFrame("Twice", &FrameClassOf<TTNTFrame>);
  registry.RegisterTuningFrame("TWICE", &FrameClassOf<TRadeonFrame>);
  registry.RegisterTuningFrame("Other", &FrameClassOf<TRadeonFrame>);
  EXPECT_EQ(registry.Count(), 3);
  EXPECT_EQ(registry.CreateTuningFrame("twice", nullptr)->ClassName(), "TTNTFrame");
  EXPECT_EQ(registry.CreateTuningFrame("other", nullptr)->ClassName(), "TRadeonFrame");
}

TEST(FrameRegistry, OnlyTheLettersAToZAreUpperCased) {
  TFrameRegistry registry;
  registry.RegisterTuningFrame("tnt-\xe9", &FrameClassOf<TTNTFrame>);
  EXPECT_EQ(registry.Names(), (std::vector<std::string>{"TNT-\xe9"}));
  EXPECT_EQ(registry.CreateTuningFrame("Tnt-\xe9", nullptr)->ClassName(), "TTNTFrame");
}

TEST(FrameRegistry, EachCreationMakesANewFrameForTheGivenCard) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  TrlCardConfig card;
  auto first = registry.CreateTuningFrame("Radeon", &card);
  auto second = registry.CreateTuningFrame("Radeon", nullptr);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(first->Card(), &card);
  EXPECT_EQ(second->Card(), nullptr);
  EXPECT_FALSE(first->HasParent());
  EXPECT_EQ(first->Controls().Count(), 0);
}

}  // namespace
}  // namespace tgl::test
