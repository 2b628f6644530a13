// The main window's logic on a Games.CFG of a large collection (1,000 games with nine card
// sections each), over a fake view with headless controls: a game switch with the save
// question off (the edited values saved, the next game's loaded and shown), a card change
// (the new card's options and panel made, the game's values loaded and shown), and the
// creation of the window up to the Default entry shown.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchProgramFolder.h"
#include "LargeGamesFile.h"
#include "base/StartupState.h"
#include "options/ControlProxy.h"
#include "panels/FrameRegistry.h"
#include "support/FakeMainView.h"
#include "ui/MainForm.h"

namespace tgl::bench {
namespace {

constexpr int GameCount = 1000;
constexpr int CardSectionsPerGame = 9;

// A Windows 98 machine with a GeForce2 MX and a Radeon, and the large collection.
class TLargeCollectionWindow {
public:
  TLargeCollectionWindow() : Folder(true) {
    static const std::string text = LargeGamesFile(GameCount, CardSectionsPerGame);
    Folder.Write(GamesFileName, text);
    Startup().WindowsVersion = wvWindows98;
    Folder.Displays.Devices = {
        test::DisplayAdapter("PCI\\VEN_10DE&DEV_0110", "NVIDIA GeForce2 MX",
                             "\\Registry\\Machine\\System\\Class\\Display\\0000"),
        test::DisplayAdapter("PCI\\VEN_1002&DEV_5144", "ATI Radeon",
                             "\\Registry\\Machine\\System\\Class\\Display\\0001")};
    RegisterBuiltInFrames(Frames);
  }

  void Create() {
    Form = std::make_unique<TTesmoraGLxForm>(View, Frames);
    Form->FormCreate({});
  }

  int GameIndex(int game) const {
    std::string title = GameTitle(game);
    for (int index = 0; index < View.Games.Count(); ++index)
      if (View.Games.Caption(index) == title) return index;
    return -1;
  }

  // The user clicks the first check box of the panel.
  void EditValues() {
    TFieldHub& hub = *Form->Hub();
    for (int index = 0; index < hub.OptionCount(); ++index) {
      auto* proxy = dynamic_cast<TControlProxy*>(hub.Options(index).Proxy());
      auto* control = proxy ? dynamic_cast<test::THeadlessControl*>(proxy->Control()) : nullptr;
      if (control && control->Kind() == cmCheckBox) {
        control->Click();
        return;
      }
    }
  }

  TBenchProgramFolder Folder;
  TFrameRegistry Frames;
  test::TFakeMainView View;
  std::unique_ptr<TTesmoraGLxForm> Form;
};

void CreateMainWindow(benchmark::State& state) {
  TLargeCollectionWindow window;
  for (auto _ : state) {
    window.Create();
    benchmark::DoNotOptimize(window.View.Games.Count());
    state.PauseTiming();
    window.Form->FormDestroy();
    window.Form.reset();
    state.ResumeTiming();
  }
}

void GameSwitch(benchmark::State& state) {
  TLargeCollectionWindow window;
  window.Create();
  window.Form->Settings().ConfirmSaving = false;
  const int games[] = {window.GameIndex(GameCount / 2), window.GameIndex(GameCount / 2 + 1)};
  int next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window.EditValues();
    state.ResumeTiming();
    window.Form->GamesListMouseDown();
    window.View.Games.MoveSelection(games[next]);
    next = 1 - next;
  }
  if (window.Form->Hub()->IsModified()) state.SkipWithError("the edits were not saved");
}

void CardChange(benchmark::State& state) {
  TLargeCollectionWindow window;
  window.Create();
  window.View.Games.MoveSelection(window.GameIndex(GameCount / 2));
  int next = 1;
  const TrlCardConfig* previous = window.Form->Hub()->CurrentCard();
  for (auto _ : state) {
    window.View.SetCardIndex(next);
    window.Form->DevicesComboChange();
    next = 1 - next;
  }
  const TFieldHub& hub = *window.Form->Hub();
  if (hub.CurrentCard() == previous && state.iterations() % 2 == 1)
    state.SkipWithError("the card did not change");
  if (!hub.Frame() || hub.ProfileName() != GameTitle(GameCount / 2))
    state.SkipWithError("no panel, or not the game's values");
}

void Configure(benchmark::internal::Benchmark* benchmark) {
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(CreateMainWindow)->Apply(Configure);
BENCHMARK(GameSwitch)->Apply(Configure);
BENCHMARK(CardChange)->Apply(Configure);

}  // namespace
}  // namespace tgl::bench
