#pragma once
// A scratch program folder with a Games.CFG from tests/unit/profiles/fixtures.
#include <fstream>
#include <sstream>
#include <string>

#include "profiles/Programs.h"
#include "support/TestSupport.h"

namespace tgl::test {

class TProfilesTest : public TCoreTest {
protected:
  static std::string Fixture(const std::string& name) {
    std::ifstream file(std::string(TGL_SOURCE_DIR) + "/tests/unit/profiles/fixtures/" + name,
                       std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_FALSE(content.str().empty()) << name;
    return content.str();
  }
  void UseFixture(const std::string& name) { Folder.Write("Games.CFG", Fixture(name)); }
  std::string Games() const { return Folder.Read("Games.CFG"); }

  static TStrings DisplayNames(const TrlPrograms& programs) {
    TStrings names;
    for (int i = 0; i < programs.Count(); ++i) names.push_back(programs.Items(i).GetDisplayName());
    return names;
  }
  static TrlProgramConfig& Named(const TrlPrograms& programs, std::string_view name) {
    int index = programs.IndexOfName(name);
    if (index < 0) throw std::runtime_error("no profile " + std::string(name));
    return programs.Items(index);
  }
};

}  // namespace tgl::test
