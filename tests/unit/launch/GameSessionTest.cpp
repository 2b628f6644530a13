// A game from Run to its end: the journal before the registry, the wait for the game or its
// launcher stub, the restore, start-up recovery and runs that would overlap.
#include "launch/GameSession.h"

#include <sys/stat.h>
#include <unistd.h>

#include "LaunchTestSupport.h"

namespace tgl::test {
namespace {

const char* const JournalName = "TesmoraGL.Restore";

class GameSessionTest : public TLaunchTest {
protected:
  GameSessionTest() {
    Game.Name = "Quake";
    Game.Path = "C:\\Games\\Quake\\quake.exe";
    Game.Parameters = "+set r_mode 4";
    PutEarlierValues();
  }

  TRunResult RunWithRestore() { return Session.Run(Hub, Game, {true, true}); }

  // The session of a later start of the program.
  TGameSession NextStart() { return TGameSession(Host, Host); }

  TrlProgramConfig Game;
  TScriptedHost Host;
  TGameSession Session{Host, Host};
};

TEST_F(GameSessionTest, WithoutRestoreTheGameStartsAndNothingIsWatched) {
  EXPECT_EQ(Session.Run(Hub, Game, {true, false}), TRunResult::rrStarted);
  ExpectGameValues();
  ASSERT_EQ(Host.Started.size(), 1u);
  EXPECT_EQ(Host.Started[0].Path, "C:\\Games\\Quake\\quake.exe");
  EXPECT_EQ(Host.Started[0].Parameters, "+set r_mode 4");
  EXPECT_EQ(Host.Started[0].Folder, "C:\\Games\\Quake\\");
  EXPECT_EQ(Host.Released, (std::vector<TProcessToken>{1}));
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  EXPECT_FALSE(Host.Watching);
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_TRUE(Host.Shown.empty());
}

TEST_F(GameSessionTest, TheJournalIsCompleteOnDiskBeforeTheFirstRegistryWrite) {
  bool written = false;
  std::optional<TJournalEntries> atFirstWrite;
  MemoryRegistry.StoreFilter = [&](TRootKey, const std::string&, const std::string&,
                                   TRegistryData&) {
    if (!written) atFirstWrite = ParseJournalText(ReadBytes(Folder.Path() + JournalName));
    written = true;
    return true;
  };
  EXPECT_EQ(RunWithRestore(), TRunResult::rrStarted);
  ASSERT_TRUE(atFirstWrite);
  ASSERT_EQ(atFirstWrite->size(), 4u);
  EXPECT_EQ((*atFirstWrite)[0].Previous, IntegerData(7));
  EXPECT_EQ((*atFirstWrite)[3].Previous, std::nullopt);
}

TEST_F(GameSessionTest, WhenTheGameEndsEveryValueIsPutBackAndTheJournalGoes) {
  EXPECT_EQ(RunWithRestore(), TRunResult::rrStarted);
  ExpectGameValues();
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
  EXPECT_TRUE(Host.Watching);
  EXPECT_EQ(Host.WatchedProcess, TProcessToken(1));
  EXPECT_FALSE(Host.Polling);
  EXPECT_EQ(Host.RunningGame, "Quake");
  EXPECT_TRUE(Folder.Exists(JournalName));

  Session.Poll();  // a poll while the game runs changes nothing
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
  ExpectGameValues();

  Host.EndLastProcess();
  Session.Poll();
  ExpectEarlierValues();
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_FALSE(Host.Watching);
  EXPECT_EQ(Host.Released, (std::vector<TProcessToken>{1}));
  EXPECT_EQ(Host.RunningGame, "");
  EXPECT_EQ(Host.GamesEnded, 1);
  EXPECT_TRUE(Host.Shown.empty());
}

TEST_F(GameSessionTest, ALauncherStubsProgramIsWaitedForByName) {
  Game.WaitForProgram = "C:\\Games\\Quake\\QuakeGame.exe";
  RunWithRestore();
  EXPECT_TRUE(Host.Polling);
  Host.EndLastProcess();  // the stub ends at once
  Host.Running = {"C:\\WINDOWS\\EXPLORER.EXE", "C:\\GAMES\\QUAKE\\QUAKEGAME.EXE"};
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
  Host.Running = {"C:\\WINDOWS\\EXPLORER.EXE"};
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  ExpectEarlierValues();
}

TEST_F(GameSessionTest, ALauncherStubsProgramThatNeverAppearsIsGivenUpAfterTheGraceTime) {
  Game.WaitForProgram = "QuakeGame.exe";
  RunWithRestore();
  Host.EndLastProcess();
  Host.Now += TGameSession::LauncherGrace - 1;
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
  Host.Now += 1;
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  ExpectEarlierValues();
}

TEST_F(GameSessionTest, WithoutAProcessTheGamesOwnProgramIsLookedFor) {
  Host.GivesProcess = false;
  RunWithRestore();
  EXPECT_EQ(Host.WatchedProcess, std::nullopt);
  EXPECT_TRUE(Host.Polling);
  Host.Running = {"quake.exe"};
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
  Host.Running.clear();
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  EXPECT_TRUE(Host.Released.empty());
}

TEST_F(GameSessionTest, AFailedStartIsToldAndPutsTheValuesBackAtOnce) {
  Host.StartSucceeds = false;
  EXPECT_EQ(RunWithRestore(), TRunResult::rrStartFailed);
  ASSERT_EQ(Host.Shown.size(), 1u);
  EXPECT_EQ(Host.Shown[0].Text, "Some error occured during application execution");
  EXPECT_EQ(Host.Shown[0].Kind, TMessageKind::mkError);
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  EXPECT_EQ(Host.GamesEnded, 0);
}

TEST_F(GameSessionTest, ValuesThatDidNotStickAskBeforeTheGameStarts) {
  MemoryRegistry.StoreFilter = [](TRootKey, const std::string&, const std::string& name,
                                  TRegistryData&) { return name != "Text"; };
  Host.Answers = {false};
  EXPECT_EQ(RunWithRestore(), TRunResult::rrCancelled);
  ASSERT_EQ(Host.Questions.size(), 1u);
  EXPECT_TRUE(Host.Questions[0].starts_with("Some settings did not reach the driver registry:\r"
                                            "\rMode: wanted REG_SZ "));
  EXPECT_TRUE(Host.Questions[0].ends_with("\r\rStart the game anyway?"));
  EXPECT_TRUE(Host.Started.empty());
  // Cancel put back what the write changed.
  MemoryRegistry.StoreFilter = nullptr;
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists(JournalName));

  MemoryRegistry.StoreFilter = [](TRootKey, const std::string&, const std::string& name,
                                  TRegistryData&) { return name != "Text"; };
  Host.Answers = {true};
  EXPECT_EQ(RunWithRestore(), TRunResult::rrStarted);
  EXPECT_EQ(Host.Started.size(), 1u);
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
}

TEST_F(GameSessionTest, ASecondRunWhileARestoreIsPendingAsksFirst) {
  RunWithRestore();
  TrlProgramConfig other;
  other.Name = "Unreal";
  other.Path = "D:\\Unreal\\unreal.exe";

  Host.Answers = {false};
  EXPECT_EQ(Session.Run(Hub, other, {true, true}), TRunResult::rrCancelled);
  EXPECT_EQ(Host.Questions.back(),
            "Quake is still running; its driver settings will be restored when it ends.\r"
            "Restore them now and go on?");
  EXPECT_EQ(Host.Started.size(), 1u);
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
  ExpectGameValues();

  // Restore now and run: the new journal holds the values from before the first game.
  Host.Answers = {true};
  Hub.Options(0).SetValue("5");
  EXPECT_EQ(Session.Run(Hub, other, {true, true}), TRunResult::rrStarted);
  EXPECT_EQ(Host.Started.size(), 2u);
  EXPECT_EQ(Host.Released, (std::vector<TProcessToken>{1}));
  EXPECT_EQ(Host.WatchedProcess, TProcessToken(2));
  EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Number"), IntegerData(5));
  std::optional<TJournalEntries> journal = ParseJournalText(Folder.Read(JournalName));
  ASSERT_TRUE(journal);
  EXPECT_EQ((*journal)[0].Previous, IntegerData(7));

  Host.EndLastProcess();
  Session.Poll();
  ExpectEarlierValues();
}

TEST_F(GameSessionTest, ApplyWhileARestoreIsPendingAsksTooAndReportsValuesThatDidNotStick) {
  RunWithRestore();
  Host.Answers = {false};
  EXPECT_FALSE(Session.Apply(Hub));
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);

  Host.Answers = {true};
  // The driver refuses the game's value of Bytes, not the earlier one.
  MemoryRegistry.StoreFilter = [](TRootKey, const std::string&, const std::string& name,
                                  TRegistryData& data) {
    return name != "Bytes" || data.Bytes.size() != 4;
  };
  EXPECT_TRUE(Session.Apply(Hub));
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  EXPECT_FALSE(Folder.Exists(JournalName));
  ASSERT_EQ(Host.Shown.size(), 1u);
  EXPECT_TRUE(Host.Shown[0].Text.starts_with("Some settings did not reach the driver registry:"));
  EXPECT_EQ(Host.Shown[0].Text.find("Start the game anyway?"), std::string::npos);
  EXPECT_EQ(Host.Shown[0].Kind, TMessageKind::mkWarning);
  EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Number"), IntegerData(1));
}

TEST_F(GameSessionTest, InRestrictedModeNothingIsWrittenRecordedOrWaitedFor) {
  EXPECT_EQ(Session.Run(Hub, Game, {false, true}), TRunResult::rrStarted);
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
}

TEST_F(GameSessionTest, AWriteThatFailsPutsTheRecordedValuesBackAndPassesItsError) {
  Folder.Write("Test.CFG", Folder.Read("Test.CFG") + "[Beyond]\r\nType=Slider\r\nPath=9\r\n");
  TrlCardConfig card = MakeCard("Test");
  TFieldHub hub;
  hub.SelectCard(&card);
  for (int i = 0; i < 4; ++i) hub.Options(i).SetValue(Hub.Options(i).Value());
  EXPECT_THROW(Session.Run(hub, Game, {true, true}), EError);
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_TRUE(Host.Started.empty());
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
}

TEST_F(GameSessionTest, AJournalThatCannotBeWrittenStopsTheRunBeforeTheRegistry) {
  ASSERT_EQ(::mkdir((Folder.Path() + JournalName).c_str(), 0755), 0);
  EXPECT_THROW(RunWithRestore(), EError);
  ExpectEarlierValues();
  EXPECT_TRUE(Host.Started.empty());
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
}

TEST_F(GameSessionTest, AProgramThatEndedDuringTheGameRestoresAtItsNextStartWithOneMessage) {
  {
    TGameSession killed(Host, Host);
    killed.Run(Hub, Game, {true, true});
  }  // the program ends (or dies) while the game runs
  ExpectGameValues();
  ASSERT_TRUE(Folder.Exists(JournalName));

  TScriptedHost nextHost;
  TGameSession next(nextHost, nextHost);
  next.RecoverAtStartup();
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists(JournalName));
  ASSERT_EQ(nextHost.Shown.size(), 1u);
  EXPECT_EQ(nextHost.Shown[0].Text,
            "Tesmora Game Launcher ended while a game was running.\r"
            "The driver settings changed for that game have been restored.");
  EXPECT_EQ(nextHost.Shown[0].Kind, TMessageKind::mkInformation);

  // Nothing to recover: no message.
  TScriptedHost thirdHost;
  TGameSession(thirdHost, thirdHost).RecoverAtStartup();
  EXPECT_TRUE(thirdHost.Shown.empty());
}

TEST_F(GameSessionTest, ADamagedJournalIsKeptAsideAndNeverHalfApplied) {
  Session.Run(Hub, Game, {true, true});
  std::string journal = Folder.Read(JournalName);
  Folder.Write(JournalName, journal.substr(0, journal.size() - 3));
  Folder.Write(std::string(JournalName) + ".TesmoraGL-new", "left by a crash");

  TScriptedHost nextHost;
  TGameSession next(nextHost, nextHost);
  next.RecoverAtStartup();
  ExpectGameValues();  // nothing applied
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"TesmoraGL.Restore.damaged", "Test.CFG"}));
  ASSERT_EQ(nextHost.Shown.size(), 1u);
  EXPECT_EQ(nextHost.Shown[0].Text,
            "The record of driver settings to restore after a game cannot be read whole, so "
            "nothing was restored from it.\rIt has been kept as " +
                Folder.Path() + "TesmoraGL.Restore.damaged.");
}

// Windows 9x replaces the journal in two moves. Killed between them, the journal is missing,
// the old one lies aside and the new one beside it: the next start must still restore.
TEST_F(GameSessionTest, AJournalReplaceKilledBetweenItsTwoMovesIsRecoveredAndRestored) {
  {
    TGameSession killed(Host, Host);
    killed.Run(Hub, Game, {true, true});
  }
  ExpectGameValues();
  const std::string journal = Folder.Read(JournalName);
  Folder.Write(std::string(JournalName) + ".TesmoraGL-old", journal);
  Folder.Write(std::string(JournalName) + ".TesmoraGL-new", JournalText({}));
  ASSERT_EQ(::unlink((Folder.Path() + JournalName).c_str()), 0);

  TScriptedHost nextHost;
  TGameSession(nextHost, nextHost).RecoverAtStartup();
  ExpectEarlierValues();
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"Test.CFG"}));
  ASSERT_EQ(nextHost.Shown.size(), 1u);
  EXPECT_EQ(nextHost.Shown[0].Kind, TMessageKind::mkInformation);
}

// A journal larger than the reader takes could never be restored from: the Run stops before
// the registry is touched and says why.
TEST_F(GameSessionTest, AJournalTooLargeToReadBackStopsTheRunBeforeTheRegistry) {
  const std::vector<uint8_t> large(TRestoreJournal::MaxJournalSize / 2 + 1, 0x5A);
  MemoryRegistry.PutBinary(HKCU, TesmoraKey, "Bytes", large);
  try {
    RunWithRestore();
    ADD_FAILURE() << "the Run went ahead";
  } catch (const EError& error) {
    EXPECT_EQ(std::string(error.what()),
              "The driver values to put back after the game are too large to record in " +
                  Folder.Path() + JournalName +
                  " (4 MB at most), so nothing was written and the game was not started.");
  }
  EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Number"), IntegerData(7));
  EXPECT_EQ(MemoryRegistry.Value(HKCU, TesmoraKey, "Bytes"),
            (TRegistryData{TRegDataType::rdBinary, large}));
  EXPECT_FALSE(Folder.Exists(JournalName));
  EXPECT_TRUE(Host.Started.empty());
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
}

TEST_F(GameSessionTest, ValuesThatCannotBeRestoredStayInTheJournalForTheNextStart) {
  RunWithRestore();
  MemoryRegistry.WritesRefused = true;
  Host.EndLastProcess();
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  EXPECT_EQ(Host.GamesEnded, 1);
  ASSERT_EQ(Host.Shown.size(), 1u);
  EXPECT_TRUE(Host.Shown[0].Text.starts_with(
      "These driver settings could not be restored:\r"
      "\rHKEY_CURRENT_USER\\Software\\Tesmora\\Number: should be REG_DWORD 7"));
  EXPECT_TRUE(Host.Shown[0].Text.ends_with(
      "\rHKEY_CURRENT_USER\\Software\\Tesmora\\New\\Fresh: should be absent"
      "\r\rTesmora Game Launcher tries again at its next start."));
  std::optional<TJournalEntries> left = ParseJournalText(Folder.Read(JournalName));
  ASSERT_TRUE(left);
  EXPECT_EQ(left->size(), 4u);

  // A Run before that start keeps the older records of the same values.
  MemoryRegistry.WritesRefused = false;
  Hub.Options(0).SetValue("8");
  Session.Run(Hub, Game, {true, true});
  std::optional<TJournalEntries> merged = ParseJournalText(Folder.Read(JournalName));
  ASSERT_TRUE(merged);
  EXPECT_EQ(merged->size(), 4u);
  EXPECT_EQ((*merged)[0].Previous, IntegerData(7));
  Host.EndLastProcess();
  Session.Poll();
  ExpectEarlierValues();
  EXPECT_FALSE(Folder.Exists(JournalName));
}

TEST_F(GameSessionTest, CallsThatArriveWhileTheSessionAsksAreRefusedSilently) {
  RunWithRestore();
  Host.EndLastProcess();
  int nestedAborts = 0;
  Host.WhileAsking = [&] {
    Session.Poll();  // the wait's callback does nothing now
    try {
      Session.Run(Hub, Game, {true, true});
    } catch (const EAbort&) {
      ++nestedAborts;
    }
    EXPECT_THROW(Session.Apply(Hub), EAbort);
  };
  Host.Answers = {false};
  EXPECT_FALSE(Session.SettleBeforeWrite());
  EXPECT_EQ(nestedAborts, 1);
  EXPECT_EQ(Session.State(), TGameState::gsWaiting);
  EXPECT_EQ(Host.Started.size(), 1u);
  EXPECT_FALSE(Session.IsBusy());

  Host.WhileAsking = nullptr;
  Session.Poll();
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
}

TEST_F(GameSessionTest, RestoreNowEndsTheWaitWithoutTheGamesEnd) {
  RunWithRestore();
  Session.RestoreNow();
  ExpectEarlierValues();
  EXPECT_EQ(Session.State(), TGameState::gsIdle);
  EXPECT_FALSE(Host.Watching);
  EXPECT_EQ(Host.GamesEnded, 0);
  Session.Poll();  // a late callback of the host does nothing
  EXPECT_EQ(Host.GamesEnded, 0);
}

}  // namespace
}  // namespace tgl::test
