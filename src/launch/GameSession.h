#pragma once
// A game from Run to its end: the driver values written (with the restore journal first when
// the settings are to be restored), the read-back report, the start, the wait for the game
// or its launcher stub, and the restore. The window owns one session for its lifetime and
// calls it from Run, Apply, start-up and its wait; the session starts and watches the game
// through TGameProcesses and calls the window back through TGameHost.
//
//   idle -> journal written -> registry written -> game started -> waiting -> restoring -> idle
//
// Only idle and waiting last beyond one call. Without the restore setting, or without
// values to change, a Run goes from game started back to idle.
#include <cstdint>
#include <optional>
#include <string>

#include "launch/GameHost.h"
#include "launch/RestoreJournal.h"
#include "options/FieldHub.h"
#include "platform/GameProcesses.h"
#include "profiles/ProgramConfig.h"

namespace tgl {

enum class TGameState {
  gsIdle,
  gsJournalWritten,
  gsRegistryWritten,
  gsGameStarted,
  gsWaiting,
  gsRestoring,
};

struct TRunOptions {
  // False in restricted mode, where Run starts the game without applying anything.
  bool WriteRegistry = true;
  // The setting "Restore driver settings when the game ends".
  bool RestoreWhenEnded = false;
};

enum class TRunResult {
  rrCancelled,    // the user said Cancel; nothing was started
  rrStartFailed,  // the shell could not start the program; the user was told
  rrStarted,
};

inline constexpr const char* LaunchErrorText = "Some error occured during application execution";

class TGameSession {
public:
  // How often a launcher stub's program is looked for while the game runs.
  static constexpr uint32_t PollInterval = 1000;
  // How long after the start a launcher stub's program may take to appear: a program that
  // has not run by then is taken as ended.
  static constexpr uint32_t LauncherGrace = 60000;

  // The processes and the host must outlive the session.
  TGameSession(TGameProcesses& processes, TGameHost& host,
               std::string journalPath = TRestoreJournal::DefaultPath());
  // Stops watching; a journal that is still open stays for the next start.
  ~TGameSession();
  TGameSession(const TGameSession&) = delete;
  TGameSession& operator=(const TGameSession&) = delete;

  // Once, when the window is up: a journal left by a program that did not see its game end
  // is restored, with one message saying so; one that cannot be read whole is kept aside
  // (TRestoreJournal::AsidePath) and not applied, with one message saying that.
  void RecoverAtStartup();

  // Before anything else writes the driver registry (Apply, Registry's counterpart in a
  // command-line apply): while a game's settings wait to be restored, asks whether to
  // restore them now and go on. False when the user cancelled; nothing was changed then.
  bool SettleBeforeWrite();

  // Run, after the save question: settles a pending restore (the question above), writes
  // the hub's values (recording them in the journal first when they are to be restored),
  // asks whether to go on when some did not stick, starts the game and, with a journal,
  // waits for it. Cancel or a failed start put recorded values back at once. Errors of the
  // write (a broken definition) pass out after recorded values are put back.
  TRunResult Run(TFieldHub& hub, const TrlProgramConfig& game, const TRunOptions& options);

  // Apply: settles a pending restore, writes the hub's values, and tells the user about
  // values that did not stick. False when the user cancelled the settling.
  bool Apply(TFieldHub& hub);

  // Called by the host while waiting: when the game (and its launcher's program) has
  // ended, the settings are put back and the host hears GameEnded.
  void Poll();
  // Puts a waiting game's settings back now, without waiting for its end.
  void RestoreNow();

  // True while a call of the session runs. Its questions and messages are modal boxes
  // whose message loop may deliver a timer, a handed-over request or a click: Run and Apply
  // then end in the silent abort, and Poll does nothing.
  bool IsBusy() const { return Busy; }

  TGameState State() const { return FState; }
  bool IsWaiting() const { return FState == TGameState::gsWaiting; }

private:
  bool Settle();
  void RestoreWaitingGame();
  void StartWaiting(const TrlProgramConfig& game, std::optional<TProcessToken> process);
  bool GameHasEnded();
  void ReleaseProcess();
  // Puts the recorded values back and ends with idle; failures are kept in the journal and
  // shown with `failureHeading`.
  void RestoreRecorded(const char* failureHeading);
  void SaveJournal(const TJournalEntries& entries);
  // The journal an earlier restore left with the values it could not put back.
  std::optional<TJournalEntries> LoadUnfinishedRestore();

  // Marks the session busy for one call.
  class TBusyScope {
  public:
    explicit TBusyScope(bool& busy) : Flag(busy) { Flag = true; }
    ~TBusyScope() { Flag = false; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

  private:
    bool& Flag;
  };
  // The silent abort when a call is already running.
  TBusyScope EnterCall();

  TGameProcesses& Processes;
  TGameHost& Host;
  bool Busy = false;
  TRestoreJournal Journal;
  TGameState FState = TGameState::gsIdle;
  TJournalEntries Recorded;
  std::optional<TProcessToken> Process;
  std::string GameTitle;
  std::string WaitName;  // the launcher stub's program; empty without one
  bool WaitNameSeen = false;
  uint32_t StartedAt = 0;
};

}  // namespace tgl
