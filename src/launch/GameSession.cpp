#include "launch/GameSession.h"

#include <algorithm>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "config/Log.h"
#include "launch/RegistryRestore.h"
#include "options/RegistryWriteReport.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

constexpr const char* PendingRestoreQuestion =
    "%s is still running; its driver settings will be restored when it ends.\r"
    "Restore them now and go on?";
constexpr const char* RecoveredText =
    "Tesmora Game Launcher ended while a game was running.\r"
    "The driver settings changed for that game have been restored.";
constexpr const char* RecoveryFailedHeading =
    "Tesmora Game Launcher ended while a game was running. These driver settings changed "
    "for that game could not be restored:";
constexpr const char* RestoreFailedHeading =
    "These driver settings could not be restored:";
constexpr const char* TriedAgainText = "Tesmora Game Launcher tries again at its next start.";
constexpr const char* DamagedText =
    "The record of driver settings to restore after a game cannot be read whole, so "
    "nothing was restored from it.\rIt has been kept as %s.";
constexpr const char* DamagedNotMovedText =
    "The record of driver settings to restore after a game cannot be read whole, so "
    "nothing was restored from it.\rRemove %s to stop this message.";
constexpr size_t MaxListedEntries = 12;

// The file name of a path: what follows its last backslash, slash or colon.
std::string FileNameOf(std::string_view path) {
  size_t separator = path.find_last_of("\\/:");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

// The path up to and including its last backslash or colon: the game's working folder.
std::string FolderOf(const std::string& path) {
  size_t separator = path.find_last_of("\\:");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string EntriesText(const char* heading, const TJournalEntries& entries) {
  std::string text = heading;
  text += '\r';
  size_t listed = std::min(entries.size(), MaxListedEntries);
  for (size_t i = 0; i < listed; ++i) {
    const TJournalEntry& entry = entries[i];
    text.append("\r").append(RegistryValueText(entry.Value)).append(": should be ");
    text.append(entry.Previous ? DescribeRegistryData(entry.Previous) : std::string("absent"));
  }
  if (entries.size() > listed)
    text += Format("\r... and %d more.", {std::to_string(entries.size() - listed)});
  return text + "\r\r" + TriedAgainText;
}

void LogEntries(const char* heading, const TJournalEntries& entries) {
  WriteLog(heading);
  for (const TJournalEntry& entry : entries) WriteLog("  " + RegistryValueText(entry.Value));
}

}  // namespace

TGameSession::TGameSession(TGameProcesses& processes, TGameHost& host, std::string journalPath)
    : Processes(processes), Host(host), Journal(std::move(journalPath)) {}

TGameSession::~TGameSession() {
  if (FState != TGameState::gsWaiting) return;
  try {
    Processes.StopWatching();
    ReleaseProcess();
  } catch (...) {
    // Ending the program must not fail; the journal stays for the next start.
  }
}

TGameSession::TBusyScope TGameSession::EnterCall() {
  if (Busy) Abort();
  return TBusyScope(Busy);
}

void TGameSession::RecoverAtStartup() {
  TBusyScope busy = EnterCall();
  // Before the unfinished copy goes: it may be all that is left beside the old journal.
  Journal.RecoverInterruptedSave();
  Journal.RemoveUnfinished();
  std::optional<TJournalEntries> entries;
  try {
    entries = Journal.Load();
  } catch (const EJournalDamaged&) {
    WriteLog("Restore journal damaged: " + Journal.Path());
    bool movedAside = Journal.KeepAside();
    Host.ShowMessage(movedAside ? Format(DamagedText, {Journal.AsidePath()})
                                : Format(DamagedNotMovedText, {Journal.Path()}),
                     TMessageKind::mkWarning);
    return;
  }
  if (!entries) return;
  Recorded = std::move(*entries);
  TJournalEntries failed = RestoreValues(Registry(), Recorded);
  if (failed.empty()) {
    Journal.Remove();
    WriteLog("Driver settings of an earlier run restored");
    Host.ShowMessage(RecoveredText, TMessageKind::mkInformation);
  } else {
    SaveJournal(failed);
    LogEntries(RecoveryFailedHeading, failed);
    Host.ShowMessage(EntriesText(RecoveryFailedHeading, failed), TMessageKind::mkWarning);
  }
  Recorded.clear();
}

bool TGameSession::SettleBeforeWrite() {
  TBusyScope busy = EnterCall();
  return Settle();
}

bool TGameSession::Settle() {
  if (FState != TGameState::gsWaiting) return true;
  if (!Host.Confirm(Format(PendingRestoreQuestion, {GameTitle}))) return false;
  RestoreWaitingGame();
  return true;
}

TRunResult TGameSession::Run(TFieldHub& hub, const TrlProgramConfig& game,
                             const TRunOptions& options) {
  TBusyScope busy = EnterCall();
  if (!Settle()) return TRunResult::rrCancelled;
  if (options.WriteRegistry) {
    TRegistryWritePlan plan = hub.PlanRegistryWrite();
    if (options.RestoreWhenEnded) {
      TJournalEntries record = RecordPreviousValues(Registry(), plan);
      if (!record.empty()) {
        // A journal that an earlier restore could not finish holds older data of the same
        // values: those are the ones to put back.
        if (std::optional<TJournalEntries> older = LoadUnfinishedRestore()) {
          MergeEntries(*older, record);
          record = std::move(*older);
        }
        // When the journal cannot be written, nothing is: the error passes out.
        SaveJournal(record);
        Recorded = std::move(record);
        FState = TGameState::gsJournalWritten;
      }
    }
    TRegistryWriteReport report;
    try {
      report = hub.WriteToRegistry(plan);
    } catch (...) {
      RestoreRecorded(RestoreFailedHeading);
      throw;
    }
    FState = TGameState::gsRegistryWritten;
    if (!report.AllApplied() && !Host.Confirm(UnappliedValuesText(report, true))) {
      RestoreRecorded(RestoreFailedHeading);
      return TRunResult::rrCancelled;
    }
  }

  TStartedProgram started = Processes.Start(game.Path, game.Parameters, FolderOf(game.Path));
  if (!started.Started) {
    Host.ShowMessage(LaunchErrorText, TMessageKind::mkError);
    RestoreRecorded(RestoreFailedHeading);
    return TRunResult::rrStartFailed;
  }
  FState = TGameState::gsGameStarted;
  if (Recorded.empty()) {
    if (started.Process) Processes.Release(*started.Process);
    FState = TGameState::gsIdle;
    return TRunResult::rrStarted;
  }
  StartWaiting(game, started.Process);
  return TRunResult::rrStarted;
}

bool TGameSession::Apply(TFieldHub& hub) {
  TBusyScope busy = EnterCall();
  if (!Settle()) return false;
  TRegistryWriteReport report = hub.WriteToRegistry();
  if (!report.AllApplied())
    Host.ShowMessage(UnappliedValuesText(report, false), TMessageKind::mkWarning);
  return true;
}

void TGameSession::StartWaiting(const TrlProgramConfig& game,
                                std::optional<TProcessToken> process) {
  Process = process;
  GameTitle = game.GetDisplayName();
  // Without a process to wait for, the game's own program is looked for instead.
  WaitName = FileNameOf(game.WaitForProgram);
  if (WaitName.empty() && !Process) WaitName = FileNameOf(game.Path);
  WaitNameSeen = false;
  StartedAt = Processes.TickCount();
  FState = TGameState::gsWaiting;
  Processes.Watch(Process, !WaitName.empty());
  Host.ShowRunningGame(GameTitle);
}

bool TGameSession::GameHasEnded() {
  if (Process && !Processes.HasEnded(*Process)) return false;
  if (WaitName.empty()) return true;
  TStrings running = Processes.RunningProgramNames();
  bool waitNameRuns = std::any_of(running.begin(), running.end(), [&](const std::string& name) {
    return SameText(FileNameOf(name), WaitName);
  });
  if (waitNameRuns) {
    WaitNameSeen = true;
    return false;
  }
  // A launcher stub may still be about to start the game's program.
  return WaitNameSeen || Processes.TickCount() - StartedAt >= LauncherGrace;
}

void TGameSession::Poll() {
  if (Busy || FState != TGameState::gsWaiting || !GameHasEnded()) return;
  {
    TBusyScope busy = EnterCall();
    RestoreWaitingGame();
  }
  Host.GameEnded();
}

void TGameSession::RestoreNow() {
  TBusyScope busy = EnterCall();
  RestoreWaitingGame();
}

void TGameSession::RestoreWaitingGame() {
  if (FState != TGameState::gsWaiting) return;
  Processes.StopWatching();
  ReleaseProcess();
  RestoreRecorded(RestoreFailedHeading);
  Host.ShowRunningGame("");
}

void TGameSession::ReleaseProcess() {
  if (Process) Processes.Release(*Process);
  Process.reset();
}

void TGameSession::RestoreRecorded(const char* failureHeading) {
  if (!Recorded.empty()) {
    FState = TGameState::gsRestoring;
    TJournalEntries failed = RestoreValues(Registry(), Recorded);
    Recorded.clear();
    FState = TGameState::gsIdle;
    if (failed.empty()) {
      Journal.Remove();
    } else {
      SaveJournal(failed);
      LogEntries(failureHeading, failed);
      Host.ShowMessage(EntriesText(failureHeading, failed), TMessageKind::mkWarning);
    }
  }
  FState = TGameState::gsIdle;
}

std::optional<TJournalEntries> TGameSession::LoadUnfinishedRestore() {
  try {
    return Journal.Load();
  } catch (const EJournalDamaged&) {
    // Told at start-up already; it must not be overwritten.
    Journal.KeepAside();
    return std::nullopt;
  }
}

void TGameSession::SaveJournal(const TJournalEntries& entries) { Journal.Save(entries); }

}  // namespace tgl
