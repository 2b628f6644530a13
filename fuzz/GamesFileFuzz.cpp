// Games.CFG of arbitrary bytes through the game profile store: the list is loaded, then a
// script of the user's commands runs on it (a new game, save, rename, the default settings,
// delete), as the program makes them. The input is the script (its length in the first
// byte; an odd length plays Windows 9x, which replaces a file in two steps) followed by the
// file's bytes.
//
// A command either fails with one of the program's messages and leaves the file's bytes as
// they were, or does what it says; and the file, loaded anew, always lists the default
// profile and then exactly its game sections.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "FuzzPlatform.h"
#include "base/Errors.h"
#include "base/TextUtils.h"
#include "config/IniDocument.h"
#include "config/IniFile.h"
#include "config/TextEncoding.h"
#include "profiles/GamesFile.h"
#include "profiles/Programs.h"

namespace {

using namespace tgl;
using namespace tgl::fuzz;

class TStore {
public:
  explicit TStore(TMemoryFiles& files) : Files(files) {}

  // The file as the store reads it.
  TIniDocument Document() const {
    auto found = Files.Files.find(GamesFilePath());
    return TIniDocument(found == Files.Files.end() ? std::string() : DecodeText(found->second).Text);
  }
  const std::string& Bytes() { return Files.Files[GamesFilePath()]; }

  // Runs a command; false when it failed, which must leave the file as it was.
  template <class TCommand>
  bool Run(TCommand command) {
    const bool existed = Files.Files.count(GamesFilePath()) > 0;
    const std::string before = existed ? Files.Files[GamesFilePath()] : std::string();
    try {
      command();
      return true;
    } catch (const EError&) {
      if (Files.Files.count(GamesFilePath()) != (existed ? 1u : 0u)) std::abort();
      if (existed && Files.Files[GamesFilePath()] != before) std::abort();
      return false;
    }
  }

private:
  TMemoryFiles& Files;
};

bool HasCardSectionOf(const TIniDocument& games, std::string_view name) {
  for (const std::string& section : games.SectionNames())
    if (IsCardSectionOf(section, name)) return true;
  return false;
}

// The default profile, then one profile per game section in file order.
void CheckLoadsAsTheFileSays(const TIniDocument& games) {
  TrlPrograms loaded;
  if (loaded.Count() < 1 || !loaded.Items(0).IsDefault()) std::abort();
  int index = 1;
  for (const std::string& section : games.SectionNames()) {
    if (!IsGameSection(section)) continue;
    if (index >= loaded.Count()) std::abort();
    const TrlProgramConfig& game = loaded.Items(index++);
    if (game.IsDefault() || game.Name != section) std::abort();
    if (game.Path != games.Find(section, "Path").value_or("")) std::abort();
  }
  if (index != loaded.Count()) std::abort();
}

// The profile's card sections hold exactly the default profile's keys and values.
void CheckHasTheDefaultSettings(const TIniDocument& games, const std::string& name) {
  const std::string prefix = CardSectionPrefix(name);
  size_t copies = 0, defaults = 0;
  for (const std::string& section : games.SectionNames()) {
    if (IsCardSectionOf(section, name)) ++copies;
    if (!StartsWithText(section, DefaultCardSectionPrefix)) continue;
    ++defaults;
    std::string copy = prefix + section.substr(DefaultCardSectionPrefix.size());
    if (games.KeysWithValues(copy) != games.KeysWithValues(section)) std::abort();
  }
  if (copies < defaults) std::abort();
}

void RunCommand(TFuzzInput& script, TStore& store, TrlPrograms& programs) {
  const uint8_t command = script.Byte();
  const int index = programs.Count() > 1 ? 1 + (script.Byte() % (programs.Count() - 1)) : -1;
  switch (command % 5) {
    case 0: {  // New game: the properties dialog fills it in, then Save, the defaults, Add.
      auto game = std::make_unique<TrlProgramConfig>();
      const std::string title = script.Text();
      if (!store.Run([&] { game->SetName(title); })) return;
      game->Path = script.Text();
      game->Parameters = script.Text();
      TrlProgramConfig* added = game.get();
      if (programs.IndexOfName(game->Name) >= 0) return;  // the dialog refuses a title in use
      if (!store.Run([&] { added->Save(); })) return;
      if (!store.Run([&] { added->CopyDefaultSettings(); })) return;
      CheckHasTheDefaultSettings(store.Document(), added->Name);
      programs.Add(std::move(game));
      return;
    }
    case 1: {  // Properties of a stored game: a new title, program and parameters.
      if (index < 0) return;
      TrlProgramConfig& game = programs.Items(index);
      const std::string oldName = game.Name, newName = script.Text();
      if (!store.Run([&] { game.SetName(newName); })) {
        if (game.Name != oldName) std::abort();
        return;
      }
      TIniDocument games = store.Document();
      if (!SameText(oldName, game.Name) && (games.HasSection(oldName) || HasCardSectionOf(games, oldName)))
        std::abort();
      game.Path = script.Text();
      store.Run([&] { game.Save(); });
      return;
    }
    case 2:  // The "Default" command.
      if (index < 0) return;
      if (store.Run([&] { programs.Items(index).CopyDefaultSettings(); }))
        CheckHasTheDefaultSettings(store.Document(), programs.Items(index).Name);
      return;
    case 3: {  // Delete.
      if (index < 0) return;
      const std::string name = programs.Items(index).Name;
      if (!store.Run([&] { programs.Delete(index); })) return;
      TIniDocument games = store.Document();
      if (games.HasSection(name) || HasCardSectionOf(games, name)) std::abort();
      return;
    }
    default:  // Another program wrote the file meanwhile: the store reads it anew.
      store.Run([&] { TIniFile(GamesFilePath()).WriteString(script.Text(), script.Text(), script.Text()); });
      return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFuzzInput input(data, size);
  const size_t scriptSize = input.Byte();
  TFuzzInput script(input.Take(scriptSize));

  TFuzzPlatform platform(/*withIniCache=*/true);
  platform.Files.OneStepReplace = scriptSize % 2 == 0;
  if (!input.Empty()) platform.Files.Files[GamesFilePath()] = std::string(input.Remainder());
  TStore store(platform.Files);

  try {
    TrlPrograms programs;
    CheckLoadsAsTheFileSays(store.Document());
    for (int commands = 0; commands < 12 && !script.Empty(); ++commands) {
      RunCommand(script, store, programs);
      CheckLoadsAsTheFileSays(store.Document());
    }
  } catch (const EError& error) {
    // A file the store cannot hold is refused with the program's message.
    if (std::string_view(error.what()).find("is too large") == std::string_view::npos) std::abort();
  }
  return 0;
}
