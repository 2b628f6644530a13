#pragma once
// What the tests of a running game share: a hub with three options of the three storage
// kinds in HKEY_CURRENT_USER\Software\Tesmora, and a host with scripted answers that records
// what the session asked of it.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "OptionsTestSupport.h"
#include "launch/GameHost.h"
#include "options/FieldHub.h"
#include "platform/GameProcesses.h"
#include "support/TestSupport.h"

namespace tgl::test {

inline constexpr TRootKey HKCU = TRootKey::rkCurrentUser;
inline const std::string TesmoraKey = "Software\\Tesmora";

// Both halves of what a session needs, scripted: TGameSession(host, host).
class TScriptedHost : public TGameProcesses, public TGameHost {
public:
  TStartedProgram Start(const std::string& path, const std::string& parameters,
                        const std::string& folder) override {
    Started.push_back({path, parameters, folder});
    if (!StartSucceeds) return {};
    TStartedProgram started{true, std::nullopt};
    if (GivesProcess) {
      started.Process = ++LastToken;
      Alive[*started.Process] = true;
    }
    return started;
  }
  bool HasEnded(TProcessToken process) override { return !Alive.at(process); }
  void Release(TProcessToken process) override { Released.push_back(process); }
  TStrings RunningProgramNames() override { return Running; }
  uint32_t TickCount() override { return Now; }
  void Watch(std::optional<TProcessToken> process, bool poll) override {
    Watching = true;
    WatchedProcess = process;
    Polling = poll;
  }
  void StopWatching() override { Watching = false; }
  bool Confirm(const std::string& text) override {
    Questions.push_back(text);
    if (WhileAsking) WhileAsking();
    if (Answers.empty()) throw std::runtime_error("unexpected question: " + text);
    bool answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  void ShowMessage(const std::string& text, TMessageKind kind) override {
    Shown.push_back({text, kind});
  }
  void ShowRunningGame(const std::string& title) override { RunningGame = title; }
  void GameEnded() override { ++GamesEnded; }

  // Ends the process the last start gave.
  void EndLastProcess() { Alive.at(LastToken) = false; }

  struct TStart {
    std::string Path, Parameters, Folder;
  };
  std::vector<TStart> Started;
  bool StartSucceeds = true;
  bool GivesProcess = true;
  TProcessToken LastToken = 0;
  std::map<TProcessToken, bool> Alive;
  std::vector<TProcessToken> Released;
  TStrings Running;
  uint32_t Now = 1000;
  bool Watching = false;
  std::optional<TProcessToken> WatchedProcess;
  bool Polling = false;
  std::deque<bool> Answers;
  std::vector<std::string> Questions;
  std::vector<TShownMessage> Shown;
  std::string RunningGame;
  int GamesEnded = 0;
  // Runs inside a question, as the message loop of a modal box may.
  std::function<void()> WhileAsking;
};

class TLaunchTest : public TCoreTest {
protected:
  TLaunchTest() {
    Folder.Write("Test.CFG",
                 IniText({"[%General%]", "Path1=\\HKCU\\Software\\Tesmora\\", "[%Common%]",
                          "Type=Slider", "Control=Slider", "Path=1", "Default=0", "[Number]",
                          "Type=Slider", "Key=Number", "Caption=Antialiasing", "[Text]",
                          "Type=Slider", "Key=Text", "StoreAs=String", "Caption=Mode", "[Bytes]",
                          "Type=Slider", "Key=Bytes", "StoreAs=BinDWord", "Caption=LOD bias",
                          "[Fresh]", "Type=Slider", "Key=New\\Fresh", "Caption=Fresh"}));
    Card = MakeCard("Test");
    Hub.SelectCard(&Card);
    SetGameValues();
  }

  // The values a game wants: Number 1, Text "game", Bytes 2, Fresh 3.
  void SetGameValues() {
    const char* values[] = {"1", "game", "2", "3"};
    for (int i = 0; i < Hub.OptionCount(); ++i) Hub.Options(i).SetValue(values[i]);
  }

  // What the registry holds before the game: Fresh (in a key of its own) is absent.
  void PutEarlierValues() {
    MemoryRegistry.PutInteger(HKCU, TesmoraKey, "Number", 7);
    MemoryRegistry.PutString(HKCU, TesmoraKey, "Text", "earlier");
    MemoryRegistry.PutBinary(HKCU, TesmoraKey, "Bytes", {9, 9});
  }
  void ExpectEarlierValues() const {
    EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Number"), IntegerData(7));
    EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Text"), StringData("earlier"));
    EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Bytes"),
              (TRegistryData{TRegDataType::rdBinary, {9, 9}}));
    EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey + "\\New", "Fresh"), std::nullopt);
  }
  void ExpectGameValues() const {
    EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Number"), IntegerData(1));
    EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Text"), StringData("game"));
    EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey + "\\New", "Fresh"), IntegerData(3));
  }

  TrlCardConfig Card;
  TFieldHub Hub;
};

}  // namespace tgl::test
