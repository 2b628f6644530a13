#pragma once
// The values of a registry write that are not in the registry afterwards: those the write
// could not store, and those that read back as something else. One message tells the
// user about all of them; the log gets one line for each.
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace tgl {

struct TUnappliedValue {
  std::string Caption;   // the option's caption
  std::string Location;  // RegistryValueText of its value, or why it has none
  std::string Wanted;    // the data the option stores, or its value text when it cannot
  std::string Found;     // what the registry holds now
  // Why nothing was stored ("the key cannot be opened", ...); empty when the value was
  // stored and then read back as something else.
  std::string NotWritten;
};

struct TRegistryWriteReport {
  std::vector<TUnappliedValue> Values;
  bool AllApplied() const { return Values.empty(); }
};

// The message for the user: one line per value with its caption, what was wanted and what
// was found (the first MaxListedValues of them, then how many more the log names), and
// with `askToGoOn` the question whether to start the game anyway (OK goes on, Cancel
// stops). It stays small enough for its buttons to show at 640 x 480; where each value
// lives and why it was not written are in the log's lines.
std::string UnappliedValuesText(const TRegistryWriteReport& report, bool askToGoOn);
inline constexpr size_t MaxListedValues = 8;
std::string UnappliedValueLine(const TUnappliedValue& value);
std::string UnappliedValueLogLine(const TUnappliedValue& value);
// Writes a log line for every value, also while the log is off: the message sends the
// user there for the values it leaves out.
void LogUnappliedValues(const TRegistryWriteReport& report);

// Registry data as the message shows it: REG_DWORD 1, REG_SZ "text", REG_BINARY 01 02,
// or "no value" for nullopt.
std::string DescribeRegistryData(const std::optional<TRegistryData>& data);

}  // namespace tgl
