#include "launch/CommandLine.h"

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/ConfigFiles.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads one argument starting at `pos`; the program name ends at the next quote-aware blank
// without backslash escapes, as Windows itself takes it.
std::string ReadArgument(std::string_view line, size_t& pos, bool programName) {
  std::string argument;
  bool quoted = false;
  while (pos < line.size() && (quoted || !IsBlank(line[pos]))) {
    char c = line[pos];
    if (!programName && c == '\\') {
      size_t slashes = 0;
      while (pos < line.size() && line[pos] == '\\') ++slashes, ++pos;
      if (pos < line.size() && line[pos] == '"') {
        argument.append(slashes / 2, '\\');
        if (slashes % 2) {
          argument += '"';
          ++pos;
        }
      } else {
        argument.append(slashes, '\\');
      }
      continue;
    }
    if (c == '"') {
      if (!programName && quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
        argument += '"';
        pos += 2;
        continue;
      }
      quoted = !quoted;
      ++pos;
      continue;
    }
    argument += c;
    ++pos;
  }
  return argument;
}

}  // namespace

TStrings SplitCommandLine(std::string_view commandLine) {
  TStrings arguments;
  size_t pos = 0;
  bool programName = true;
  while (true) {
    while (pos < commandLine.size() && IsBlank(commandLine[pos])) ++pos;
    if (pos >= commandLine.size()) break;
    std::string argument = ReadArgument(commandLine, pos, programName);
    if (!programName) arguments.push_back(std::move(argument));
    programName = false;
  }
  return arguments;
}

bool HandleCommandLine(const TStrings& arguments) {
  if (!arguments.empty() && arguments.front() == "/?") {
    Messages().ShowMessage(LaunchHelpText, TMessageKind::mkInformation);
    return true;
  }
  if (HandleExportCommand(arguments)) {
    Messages().ShowMessage(ExportDoneText, TMessageKind::mkInformation);
    return true;
  }
  return false;
}

bool IsMinimizedSwitch(const TStrings& arguments) {
  return !arguments.empty() && SameText(arguments.front(), "/minimized");
}

namespace {

constexpr std::string_view RunSwitch = "/RUN:";
constexpr std::string_view ApplySwitch = "/APPLY:";

// The argument as a program splits it back: backslashes stand for themselves except before
// a quote, where they and the quote are escaped.
std::string QuotedArgument(std::string_view text) {
  std::string quoted(1, '"');
  size_t backslashes = 0;
  for (char c : text) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') backslashes = backslashes * 2 + 1;
    quoted.append(backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

bool HasPercentPair(std::string_view text) {
  size_t first = text.find('%');
  return first != std::string_view::npos && text.find('%', first + 1) != std::string_view::npos;
}

}  // namespace

bool TLaunchRequest::IsDefault() const {
  return Action == TLaunchAction::laApply && SameText(Title, DefaultProfileName);
}

std::optional<TLaunchRequest> ParseLaunchRequest(const TStrings& arguments) {
  if (arguments.empty()) return std::nullopt;
  const std::string& argument = arguments.front();
  if (StartsWithText(argument, RunSwitch))
    return TLaunchRequest{TLaunchAction::laRun, argument.substr(RunSwitch.size())};
  if (StartsWithText(argument, ApplySwitch))
    return TLaunchRequest{TLaunchAction::laApply, argument.substr(ApplySwitch.size())};
  return std::nullopt;
}

std::string HandOverData(const TLaunchRequest& request) {
  return (request.Action == TLaunchAction::laRun ? "/run:" : "/apply:") + request.Title;
}

std::optional<TLaunchRequest> RequestOfHandOverData(std::string_view data) {
  if (data.size() > MaxHandOverData || data.find('\0') != std::string_view::npos)
    return std::nullopt;
  return ParseLaunchRequest({std::string(data)});
}

std::string ShortcutArguments(std::string_view title) {
  bool control = false;
  for (char c : title) control = control || static_cast<unsigned char>(c) < 32 || c == 127;
  std::string arguments = "/run:" + QuotedArgument(title);
  if (control || HasPercentPair(title) || arguments.size() > MaxShortcutArguments)
    throw EError(Format("A shortcut cannot carry the title \"%s\" safely; rename the game "
                        "to make one.",
                        {title}));
  return arguments;
}

}  // namespace tgl
